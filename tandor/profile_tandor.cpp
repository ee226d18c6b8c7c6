#include "profile_tandor.h"

#include "texts_card_writer.h"
#include "texts_tandor.h"

namespace {
const string_table k_tables[] = {k_tandor_strings, k_card_writer_strings};
}

// 19200 bit/s and two seconds' rest before and after opening so that the
// reader has settled.
const program_profile k_tandor_profile = {
    "tandor", 19200, 2000, "Software\\Tandor", 1, k_tables, sizeof k_tables / sizeof k_tables[0],
};
