#pragma once
// Localized texts of the card writers, in blocks of four (one per language).

#include "outcome.h"
#include "profile.h"

// Text of string id `id` from the active program's table; "" when the table
// has no such id.
const char* text_of_id(int id);

// Text of block `block` in the current language (id block + language index).
const char* localized(int block);

// The same from the tables of `program`, whichever program is in force.
const char* localized_in(const program_profile& program, int block);

// An outcome of the card writers, told with the caption and text of two
// blocks (as a box: both in the current language).
outcome card_outcome(result what, int caption_block, int text_block);

// A check of the card form: done for 0, else refused with the message of
// `text_block` under "Attention".
outcome card_refusal(int text_block);

enum {
    TXT_PROMPT_PLACE = 10001,
    TXT_INVALID_CARD = 10005,
    TXT_WRITE_CARD = 10009,
    TXT_CARD_CODE = 10013,
    TXT_ACCESSES = 10017,
    TXT_EXPIRY = 10021,
    TXT_WRITTEN = 10025,
    TXT_ATTENTION = 10029,
    TXT_DEVICE_ERROR = 10033,
    TXT_FAILED = 10037,
    TXT_NO_CARD = 10041,
    TXT_BAD_DATE = 10045,
    TXT_ERROR = 10049,
    TXT_PORT_ERROR = 10053,
    TXT_CODE = 10057,
};
