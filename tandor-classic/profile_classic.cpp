#include "profile_classic.h"

#include "card_writer_texts.h"
#include "texts_card_writer.h"
#include "texts_classic.h"

namespace {
const string_table k_tables[] = {k_classic_strings, k_card_writer_strings};
}

// 19200 bit/s, no waits around the open. Shares the settings key with the
// newer writer.
const program_profile k_classic_profile = {
    "tandor-classic",   // name
    19200,              // speed
    0,                  // open_wait_ms
    "Software\\Tandor", // settings_key
    true,               // opens_port_at_start
    k_tables,           // tables
    sizeof k_tables / sizeof k_tables[0],
    localized, // text
};
