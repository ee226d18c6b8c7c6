#pragma once
// What the COM port dialog of the card writers does; the Win32 layer only
// shows it.

enum { COM_DIALOG_PORTS = 32 };

// The entries of the list ("COM1" to "COM32") and the one to select: port
// number - 1, or -1 when the port number is 0 or above 32.
const char* com_dialog_entry(int index);
int com_dialog_selection();

// OK with list entry `selected` (-1: none): closes the port in use, opens the
// chosen one, and shows the COM port error when it does not open.
void com_dialog_ok(int selected);
