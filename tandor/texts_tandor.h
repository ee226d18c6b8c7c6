#pragma once

#include "profile.h"

// Blocks 10061 to 10113.
extern const string_table k_tandor_strings;

enum {
    TXT_SELECT_TYPE = 10061,
    TXT_UNUSED_BLANK = 10065, // a blank text, shown nowhere
    TXT_PERSONAL = 10069,
    TXT_FREE = 10073,
    TXT_DELETE_DB = 10077,
    TXT_DATETIME = 10081,
    TXT_BAD_DATETIME = 10085,
    TXT_BAD_EXPIRY = 10089,
    TXT_MASTER_CARD = 10093,
    TXT_USER_CARD = 10097,
    TXT_EXPIRY_HINT = 10101,
    TXT_DATETIME_HINT = 10105,
    TXT_BAD_CARD_CODE = 10109,
    TXT_BAD_ACCESSES = 10113,
};
