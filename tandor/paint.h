#pragma once
// What tandor's window shows: its drawing steps from the state of the card.

#include "paint_steps.h"
#include "tandor_state.h"

// The steps of one painting.
std::vector<paint_step> paint_window(const tandor_state& s);

// A painting was carried out whole: when it showed the card form, the written
// flag is cleared, so "Written card" shows in the first such painting only.
void paint_finished(tandor_state& s);

// True when the card form is painted rather than the centred prompt.
bool card_form_shown(const tandor_state& s);
