#include "profile_tandor.h"

#include "card_writer_texts.h"
#include "texts_card_writer.h"
#include "texts_tandor.h"

namespace {
const string_table k_tables[] = {k_tandor_strings, k_card_writer_strings};
}

// 19200 bit/s and two seconds' rest before and after opening so that the
// reader has settled.
const program_profile k_tandor_profile = {
    "tandor",           // name
    19200,              // speed
    2000,               // open_wait_ms
    "Software\\Tandor", // settings_key
    true,               // opens_port_at_start
    k_tables,           // tables
    sizeof k_tables / sizeof k_tables[0],
    localized, // text
};
