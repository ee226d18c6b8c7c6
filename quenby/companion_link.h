#pragma once
// The link of one of the programs as the companion uses it: that program's
// speed, settings key and texts, with the companion's name in the trace.

#include "profile.h"

// Puts that link in force; without `open_waits` the waits around the open
// are left out (a probe asks at once, and waits for the answer all the same).
void use_link_of(const program_profile& program, bool open_waits);
