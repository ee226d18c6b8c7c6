#pragma once
// The classic card layout, two blocks of a MIFARE Classic card:
//
// block 4: card code (5 bytes) | flags | year month day (BCD) | 7 zero bytes
//          flags bit 0: number of accesses set; bit 1: expiry date set
// block 5: value block: value (32-bit, least significant byte first),
//          its complement, the value again, 01 FE 01 FE

#include "outcome.h"

#include <cstdint>

enum {
    CLASSIC_DATA_BLOCK = 4,
    CLASSIC_COUNTER_BLOCK = 5,
    CLASSIC_FLAG_ACCESSES = 0x01,
    CLASSIC_FLAG_EXPIRY = 0x02,
    CLASSIC_PAYLOAD_CHARS = 56,
    CLASSIC_CODE_DIGITS = 10,
};

struct classic_date {
    int day, month, year;
};

struct classic_data {
    char card_code[CLASSIC_CODE_DIGITS + 1];
    int flags;
    char expiry[11]; // "dd/mm/20yy" or empty
};

// Block 4 as 32 hex digits into card code, flags and expiry text. A date whose
// digits are not all decimal is shown as they stand ("1A/12/2015"), which a
// rewrite then refuses.
void classic_decode_data(const char* block, classic_data* out);

// Block 5 into the accesses text: the value as signed decimal when flags has
// bit 0, else empty (block 5 is then not read as a count). False when flags
// has bit 0 and block 5 is no sound value block (its copies of the value or
// of the address disagree): a damaged counter, not a count.
bool classic_decode_counter(const char* block, int flags, char accesses[12]);

// Block 5 as a card whose write was cut after block 4 leaves it: never
// written (all zeros) although block 4's flags say it holds a count. Such a
// card is shown with empty accesses and can be written again; it is not a
// damaged counter.
bool classic_counter_never_written(const char* block, int flags);

// "dd/mm/yyyy": 10 characters, two-digit fields and "/" at 2 and 5, a day
// that exists in its month and year, year 2013-2099. True when valid.
bool classic_expiry_valid(const char* text, classic_date* out);

// The checks of the form in the order of its fields: card code (exactly 10
// hex digits), accesses (none, or a number in the signed 32-bit range),
// expiry (empty or valid). Done when all pass, else refused with the message
// to show.
outcome classic_check_texts(const char* card_code, const char* accesses, const char* expiry);

// The 56-character write payloads of block 4 and block 5 for the card `uid`.
// Both check the texts first and are done with out filled, or refused with
// the message that refuses them, out untouched.
outcome classic_encode_data(const char* uid, const char* card_code, const char* accesses,
                            const char* expiry, char out[CLASSIC_PAYLOAD_CHARS + 1]);
outcome classic_encode_counter(const char* uid, const char* accesses,
                               char out[CLASSIC_PAYLOAD_CHARS + 1]);

// The accesses text as the 32-bit value written to the card: 0 when it is
// empty or does not begin with a number.
std::int32_t classic_accesses_value(const char* accesses);
