#pragma once
// What the card writer's buttons and menu items do.

#include "device_link.h"
#include "tandor_state.h"

// Runs the command of control or menu item `id`; any other id does nothing.
void tandor_command(tandor_state& s, device_link& link, int id);

// Checks the form, encodes the User or Master block (by the user-card flag
// alone) and writes it to the card. Nothing is sent when a check fails.
void write_card(tandor_state& s, device_link& link);

// Writes a blank block to the card.
void reset_card(tandor_state& s, device_link& link);
