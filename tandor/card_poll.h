#pragma once
// The polling tick of the card writer: is a card on the reader, what does it
// hold, and what should the window show.

#include "device_link.h"
#include "tandor_state.h"

// One tick. Does nothing while the port is not open or while a message box
// is open; a tick whose exchange with the reader failed changes nothing.
void poll_tick(tandor_state& s, device_link& link);

// No port is open (the COM port dialog did not open the chosen one): the
// form goes, as with no card, and the prompt asks for a card.
void poll_port_closed(tandor_state& s);
