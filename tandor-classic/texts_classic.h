#pragma once

#include "profile.h"

// Block 10021 in Italian, and its two messages after the blocks of tandor,
// so that no text id names two texts.
extern const string_table k_classic_strings;

enum {
    TXT_CLASSIC_BAD_CARD_CODE = 10117,
    TXT_CLASSIC_BAD_ACCESSES = 10121,
};
