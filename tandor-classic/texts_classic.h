#pragma once

#include "profile.h"

// Block 10021 in Italian, and its messages after the blocks of tandor,
// so that no text id names two texts.
extern const string_table k_classic_strings;

enum {
    TXT_CLASSIC_BAD_CARD_CODE = 10117,
    TXT_CLASSIC_BAD_ACCESSES = 10121,
    TXT_CLASSIC_COUNT_UNWRITTEN = 10125, // block 5 never written behind a count flag
};
