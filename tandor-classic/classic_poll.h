#pragma once
// The classic card writer's polling tick.

#include "classic_state.h"
#include "device_link.h"

// One tick: detect the card, read a newly laid one into the form, clear the
// form when it goes. Nothing while the port is not open or a message box is
// open; an exchange that fails changes nothing.
void classic_poll(classic_state& s, device_link& link);

// No port is open (the COM port dialog did not open the chosen one): the
// fields go, as with no card.
void classic_port_closed(classic_state& s);
