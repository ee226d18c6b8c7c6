#pragma once
// The classic card writer's polling tick, write command and painting.

#include "classic_state.h"
#include "paint_steps.h"

#include <vector>

// One tick: detect the card, read a newly laid one into the form, clear the
// form when it goes. Nothing while the port is not open or a message box is
// open; an exchange that fails changes nothing.
void classic_poll(classic_state& s);

// The write command: checks the form, then writes block 4 and block 5.
// Nothing is written when a check fails.
void classic_write(classic_state& s);

// Button and menu commands.
void classic_command(classic_state& s, int id);

// The steps of one painting, and what a painting carried out whole clears.
std::vector<paint_step> classic_paint(const classic_state& s);
void classic_paint_finished(classic_state& s);
