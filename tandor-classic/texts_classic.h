#pragma once

#include "profile.h"

// Block 10021 in Italian, and blocks 10061 and 10065.
extern const string_table k_classic_strings;

enum {
    TXT_CLASSIC_BAD_CARD_CODE = 10061,
    TXT_CLASSIC_BAD_ACCESSES = 10065,
};
