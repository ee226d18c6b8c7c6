#pragma once
// What the classic card writer's window paints.

#include "classic_state.h"
#include "paint_steps.h"

#include <vector>

// The steps of one painting, and what a painting carried out whole clears.
std::vector<paint_step> classic_paint(const classic_state& s);
void classic_paint_finished(classic_state& s);
