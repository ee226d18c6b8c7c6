#include "card_checks.h"

#include "card_writer_texts.h"

#include "text_number.h"
#include "texts_tandor.h"

#include <cstring>

namespace {
bool in(int v, int low, int high) {
    return v >= low && v <= high;
}

// Two decimal digits at text[at].
bool two_digits(const char* text, int at, int* value) {
    return ::two_digits(text + at, value);
}

// "dd/mm/yyyy hh" at the start of text, the day one that exists.
bool date_and_hour(const char* text, int* day, int* month, int* year, int* hour) {
    // Deliberate: hour 24 is accepted (and written as "24"), as the cards and
    // stations have always taken it.
    return date_text_at(text, day, month, year) && in(*year, 2013, 2099) && text[10] == ' ' &&
           two_digits(text, 11, hour) && in(*hour, 0, 24);
}
} // namespace

bool expiry_text_valid(const char* text, expiry_fields* out) {
    expiry_fields f{};
    if (std::strlen(text) != 13 || !date_and_hour(text, &f.day, &f.month, &f.year, &f.hour))
        return false;
    *out = f;
    return true;
}

bool datetime_text_valid(const char* text, datetime_fields* out) {
    datetime_fields f{};
    if (std::strlen(text) != 19 || !date_and_hour(text, &f.day, &f.month, &f.year, &f.hour) ||
        text[13] != ':' || text[16] != ':' || !two_digits(text, 14, &f.minute) ||
        !two_digits(text, 17, &f.second) || !in(f.minute, 0, 59) || !in(f.second, 0, 59))
        return false;
    *out = f;
    return true;
}

outcome check_user_texts(const char* card_code, const char* expiry, const char* accesses) {
    if (!card_code_valid(card_code, 8, true))
        return card_refusal(TXT_BAD_CARD_CODE);
    expiry_fields e;
    if (*expiry && !expiry_text_valid(expiry, &e))
        return card_refusal(TXT_BAD_EXPIRY);
    if (!accesses_in_range(accesses, 0, 65535))
        return card_refusal(TXT_BAD_ACCESSES);
    return done_outcome();
}

outcome check_master_texts(bool delete_db, const char* datetime) {
    datetime_fields d;
    if (!delete_db && *datetime && !datetime_text_valid(datetime, &d))
        return card_refusal(TXT_BAD_DATETIME);
    return done_outcome();
}
