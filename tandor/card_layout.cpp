#include "card_layout.h"
#include "card_writer_texts.h"

#include "card_checks.h"
#include "digits.h"
#include "text_number.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {
const char k_signature[] = "4D4153544552";
const char k_set[] = "A5";
const char k_unset[] = "FF";

bool field_is(const char* block, int at, const char* what) {
    return std::strncmp(block + at, what, std::strlen(what)) == 0;
}

// Reads `count` two-digit decimal numbers from block text at `at`.
bool two_digit_numbers(const char* block, int at, int count, int* out) {
    for (int i = 0; i < count; ++i)
        if (!two_digits(block + at + 2 * static_cast<std::size_t>(i), &out[i]))
            return false;
    return true;
}
} // namespace

void classify_block(const char* block, bool* user_card, bool* master_card) {
    bool blank = std::strlen(block) == CARD_BLOCK_CHARS;
    for (int i = 0; blank && i < CARD_BLOCK_CHARS; ++i)
        blank = block[i] == '0';
    if (!blank)
        *user_card = true;
    if (std::strlen(block) >= CARD_BLOCK_CHARS && field_is(block, 20, k_signature)) {
        *master_card = true;
        *user_card = false;
    }
}

outcome encode_user_block(const char* card_code, const char* expiry, const char* accesses,
                          char out[CARD_BLOCK_CHARS + 1]) {
    if (outcome refused = check_user_texts(card_code, expiry, accesses); !refused.done())
        return refused;

    // code(8) FFFFFFFF marker(2) hh dd mm yy marker(2) accesses(4)
    char b[CARD_BLOCK_CHARS + 1] = "00000000FFFFFFFFFF00000000FF0000";
    for (int i = 0; card_code[0] && i < 8; ++i)
        b[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(card_code[i])));
    expiry_fields e;
    if (*expiry && expiry_text_valid(expiry, &e)) {
        // Bytes into a fixed place of a longer buffer, not a text of their own.
        // NOLINTNEXTLINE(bugprone-not-null-terminated-result)
        std::memcpy(b + 16, k_set, 2);
        put_dec2(b + 18, e.hour);
        put_dec2(b + 20, e.day);
        put_dec2(b + 22, e.month);
        put_dec2(b + 24, e.year % 100);
    }
    if (*accesses) {
        long long n = 0;
        leading_number(accesses, &n); // no number: 0; in range, by the check above
        unsigned v = static_cast<unsigned>(n);
        // Bytes into a fixed place of a longer buffer, not a text of their own.
        // NOLINTNEXTLINE(bugprone-not-null-terminated-result)
        std::memcpy(b + 26, k_set, 2);
        put_hex2(b + 28, v >> 8, true);
        put_hex2(b + 30, v, true);
    }
    std::memcpy(out, b, sizeof b);
    return done_outcome();
}

outcome encode_master_block(bool personal, bool delete_db, const char* datetime,
                            char out[CARD_BLOCK_CHARS + 1]) {
    if (outcome refused = check_master_texts(delete_db, datetime); !refused.done())
        return refused;
    // mode(2) order(4) ss mm hh 01 dd mm yy signature(12)
    char b[CARD_BLOCK_CHARS + 1] = "46FFFFFFFFFFFFFFFFFF4D4153544552";
    if (personal)
        // Bytes into a fixed place of a longer buffer, not a text of their own.
        // NOLINTNEXTLINE(bugprone-not-null-terminated-result)
        std::memcpy(b, "50", 2);
    datetime_fields d;
    if (delete_db) {
        // Bytes into a fixed place of a longer buffer, not a text of their own.
        // NOLINTNEXTLINE(bugprone-not-null-terminated-result)
        std::memcpy(b + 2, "A55A", 4);
    } else if (*datetime && datetime_text_valid(datetime, &d)) {
        // Bytes into a fixed place of a longer buffer, not a text of their own.
        // NOLINTNEXTLINE(bugprone-not-null-terminated-result)
        std::memcpy(b + 2, "7007", 4);
        const int clock[7] = {d.second, d.minute, d.hour, 1, d.day, d.month, d.year % 100};
        for (int i = 0; i < 7; ++i)
            put_dec2(b + 6 + 2 * static_cast<std::size_t>(i), clock[i]);
    }
    std::memcpy(out, b, sizeof b);
    return done_outcome();
}

bool decode_user_block(const char* block, user_form_texts* out) {
    if (std::strlen(block) < CARD_BLOCK_CHARS) {
        *out = user_form_texts{};
        return false;
    }
    bool read = true;
    std::memcpy(out->card_code, block, 8);
    out->card_code[8] = '\0';

    out->expiry[0] = '\0';
    int e[4];
    if (field_is(block, 16, k_set) && two_digit_numbers(block, 18, 4, e))
        std::snprintf(out->expiry, sizeof out->expiry, "%02d/%02d/20%02d %02d", e[1], e[2], e[3],
                      e[0]);
    else if (!field_is(block, 16, k_unset))
        read = false;

    out->accesses[0] = '\0';
    if (field_is(block, 26, k_set)) {
        unsigned v = 0;
        bool digits = true;
        for (int i = 28; i < 32 && digits; ++i) {
            int h = hex_digit_value(block[i]);
            digits = h >= 0;
            v = v * 16 + static_cast<unsigned>(h);
        }
        if (digits)
            std::snprintf(out->accesses, sizeof out->accesses, "%u", v);
        else
            read = false;
    } else if (!field_is(block, 26, k_unset)) {
        read = false;
    }
    return read;
}

bool decode_master_block(const char* block, master_form_state* form) {
    form->datetime_enabled = true;
    if (std::strlen(block) < CARD_BLOCK_CHARS || !field_is(block, 20, k_signature)) {
        form->personal = false;
        form->free_mode = false;
        form->delete_db = false;
        form->datetime[0] = '\0';
        return true;
    }
    bool read = true;
    if (field_is(block, 0, "50")) {
        form->personal = true;
        form->free_mode = false;
    } else if (field_is(block, 0, "46")) {
        form->personal = false;
        form->free_mode = true;
    } else {
        read = false;
    }

    int c[7];
    if (field_is(block, 2, "A55A")) {
        form->delete_db = true;
        form->datetime[0] = '\0';
        form->datetime_enabled = false;
    } else if (field_is(block, 2, "FFFF")) {
        form->delete_db = false;
        form->datetime[0] = '\0';
    } else if (field_is(block, 2, "7007") && two_digit_numbers(block, 6, 7, c)) {
        // seconds, minutes, hours, day of week (ignored), day, month, year
        form->delete_db = false;
        std::snprintf(form->datetime, sizeof form->datetime, "%02d/%02d/20%02d %02d:%02d:%02d",
                      c[4], c[5], c[6], c[2], c[1], c[0]);
    } else {
        read = false;
    }
    return read;
}
