#include "profile_velmor.h"

#include "velmor_texts.h"

// 9600 bit/s; the station's texts live in velmor's own tables, not in the
// card writers' string table.
const program_profile k_velmor_profile = {
    "velmor",           // name
    9600,               // speed
    0,                  // open_wait_ms
    "Software\\Velmor", // settings_key
    false,              // opens_port_at_start: velmor opens its port for each operation
    nullptr,            // tables: none, velmor keeps its own
    0,
    vtext, // text
};
