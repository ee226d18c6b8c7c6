#pragma once
// What tells the three programs apart at the level of the device link and the
// settings: a small constant record per program, chosen once at start-up.

#include "outcome.h"

#include <cstddef>

struct string_block {
    int block;           // block base: the text of language i has id block + i
    const char* text[4]; // Italian, English, Spanish, French (UTF-8); null: see the next table
};

struct string_table {
    const string_block* rows;
    std::size_t count;
};

struct program_profile {
    const char* name;         // the program, as its trace lines name it
    unsigned speed;           // bit/s, 8-N-1
    int open_wait_ms;         // wait before and after opening the port (0: none)
    const char* settings_key; // under HKEY_LOCAL_MACHINE
    bool opens_port_at_start; // card writers: the stored port is opened by settings_load
    // Localized texts, looked up table by table: a program's own table comes
    // first and may override single texts of the tables after it.
    const string_table* tables;
    std::size_t table_count;
    text_lookup text; // a text of the program by the ids its outcomes carry
};

// The program of the process: its settings and its texts. Each device link
// holds a profile of its own.
void profile_set(const program_profile* profile);
const program_profile& profile_get();
