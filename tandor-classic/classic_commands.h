#pragma once
// The classic card writer's write command and the other commands of its
// window.

#include "classic_state.h"
#include "device_link.h"

// The write command: checks the form, then writes block 4 and block 5, each
// read back. Nothing is written when a check fails.
void classic_write(classic_state& s, device_link& link);

// Button and menu commands.
void classic_command(classic_state& s, device_link& link, int id);
