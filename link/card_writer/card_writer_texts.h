#pragma once
// Localized texts of the card writers, in blocks of four (one per language).

// Text of string id `id` from the active program's table; "" when the table
// has no such id.
const char* text_of_id(int id);

// Text of block `block` in the current language (id block + language index).
const char* localized(int block);

// Modal localized message box: caption and text from two blocks.
void localized_message(int caption_block, int text_block);

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
