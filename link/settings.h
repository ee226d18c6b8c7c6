#pragma once
// The two settings of each program, the port number and the language index,
// read at start-up and saved when the main window is destroyed, under the
// key of the program's profile.

#include "device_link.h"

#include <string>

// The port number in memory (0: no port chosen).
int settings_port();
void settings_set_port(int port);

// The store, with the fixed messages of its failures, told through `link`.
void settings_open(device_link& link, const char* path);
void settings_close();
bool settings_write(device_link& link, const char* name, const char* text);
// The stored text, or "" when absent or unreadable.
std::string settings_read(const char* name);

// The language index a stored "Lang" text gives, as the programs read it:
// a number 0 to 3; anything else, Italian.
int settings_language_of(const char* text);

// The language stored under the settings key `key` as its program reads
// it; -1 when the key or its "Lang" is not there. Nothing is created.
int settings_stored_language(const char* key);

// Reads the port number and the language index. The card writers (profile
// opens_port_at_start) open a stored port other than 0 on the link; a
// failure is silent. A language that is not one number, or one outside 0 to
// 3, gives Italian.
void settings_load(device_link& link);

// Closes the link's port when it is open, then stores "Port" as "COM%d" and
// "Lang" as "%d", with "Error writing registry" for each value that could
// not be written.
void settings_save(device_link& link);

// "COM%d" read from a text: true with *port when it starts so.
bool scan_port_text(const char* text, int* port);
