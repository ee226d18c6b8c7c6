#pragma once
// The menu both card writers share: the interface language and the COM port.

#include "device_link.h"

// Runs menu command `id` when it is one of the menu's (languages 3001-3004,
// COM port 6002, on the link); any other id does nothing. The COM port dialog counts as
// an open box while it is shown. True when the dialog left no port open:
// nothing is polled then, so the caller takes the card's form away.
[[nodiscard]] bool menu_command(device_link& link, int id);

// Shows the interface language: the menu and the Write card button's text.
void show_language();

// Switches the interface language: shows it, and paints the whole window again.
void switch_language(int index);
