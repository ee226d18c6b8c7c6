#pragma once
// What the COM port dialog of the card writers does; the Win32 layer only
// shows it.

#include "device_link.h"
#include "port.h"

#include <string>

// The entries of the list ("COM1" to "COM32") and the one to select: port
// number - 1, or -1 when the port number is 0 or above 32.
std::string com_dialog_entry(int index);
int com_dialog_selection();

// The text the editable box starts with when no entry is selected: the
// stored port above the list ("COM40"), or "".
std::string com_dialog_start_text();

// OK with list entry `selected` (-1: none) and the text of the box. The text
// decides when it names a port ("COM15", "15"), also over a chosen entry;
// a blank box leaves it to the chosen entry. Either closes the port in use,
// opens the chosen one (on the link), and tells the COM port error when it
// does not open.
// With neither, the working port stays open and stored (with no port open,
// the COM port error); a text that names no port gets the COM port error and
// changes nothing.
void com_dialog_ok(device_link& link, int selected, const char* typed);
