#pragma once
// The link of one of the programs as the companion speaks it: that
// program's speed, settings key and texts, with the companion's name in the
// trace. Each port the companion talks to has a device link of its own.

#include "device_link.h"
#include "profile.h"

// That program's profile as the companion uses it; without `open_waits` the
// waits around the open are left out (a probe asks at once, and waits for
// the answer all the same).
program_profile companion_profile(const program_profile& program, bool open_waits);
