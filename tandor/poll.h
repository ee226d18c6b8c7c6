#pragma once
// The polling tick of the card writer: is a card on the reader, what does it
// hold, and what should the window show.

#include "tandor_state.h"

// One tick. Does nothing while the port is not open or while a message box
// is open; a tick whose exchange with the reader failed changes nothing.
void poll_tick(tandor_state& s);
