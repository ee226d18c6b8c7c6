#pragma once
// The menu both card writers share: the interface language and the COM port.

// Runs menu command `id` when it is one of the menu's (languages 3001-3004,
// COM port 6002); any other id does nothing.
void menu_command(int id);

// Switches the interface language: menu, Write card button, a full repaint.
void switch_language(int index);
