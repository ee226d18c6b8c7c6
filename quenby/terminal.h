#pragma once
// What the companion's terminal is on each system.

#include <string>

// The environment's locale for messages on Linux (LC_ALL, LC_MESSAGES or
// LANG); "" on Windows, where the programs' stored language speaks instead.
std::string terminal_locale();

// The messages are UTF-8 ("Opération", "Código"): a Windows console is told
// so until the companion ends, then given its own code page back. Nothing
// to do on Linux.
void terminal_speaks_utf8();
