#include "card_checks.h"

#include "texts_tandor.h"

#include <cstdio>
#include <cstring>

namespace {
bool in(int v, int low, int high) {
    return v >= low && v <= high;
}

bool date_in_range(int day, int month, int year, int hour) {
    // Deliberate: hour 24 is accepted (and written as "24"), as the cards and
    // stations have always taken it; the day is not held to its month.
    return in(day, 1, 31) && in(month, 1, 12) && in(year, 2013, 2099) && in(hour, 0, 24);
}
} // namespace

bool expiry_text_valid(const char* text, expiry_fields* out) {
    if (std::strlen(text) != 13 || text[2] != '/' || text[5] != '/' || text[10] != ' ')
        return false;
    expiry_fields f{};
    // Width-limited conversions cannot overflow; the formats are binding.
    // NOLINTNEXTLINE(cert-err34-c)
    if (std::sscanf(text, "%2d/%2d/%4d %2d", &f.day, &f.month, &f.year, &f.hour) != 4)
        return false;
    if (!date_in_range(f.day, f.month, f.year, f.hour))
        return false;
    *out = f;
    return true;
}

bool datetime_text_valid(const char* text, datetime_fields* out) {
    if (std::strlen(text) != 19 || text[2] != '/' || text[5] != '/')
        return false;
    datetime_fields f{};
    // Width-limited conversions cannot overflow; the formats are binding.
    // NOLINTNEXTLINE(cert-err34-c)
    if (std::sscanf(text, "%2d/%2d/%4d %2d:%2d:%2d", &f.day, &f.month, &f.year, &f.hour, &f.minute,
                    &f.second) != 6)
        return false;
    if (!date_in_range(f.day, f.month, f.year, f.hour) || !in(f.minute, 0, 59) ||
        !in(f.second, 0, 59))
        return false;
    *out = f;
    return true;
}

int check_user_texts(const char* card_code, const char* expiry, const char* accesses) {
    if (!card_code_valid(card_code, 8, 1))
        return TXT_BAD_CARD_CODE;
    expiry_fields e;
    if (*expiry && !expiry_text_valid(expiry, &e))
        return TXT_BAD_EXPIRY;
    if (!accesses_in_range(accesses, 0, 65535))
        return TXT_BAD_ACCESSES;
    return 0;
}

int check_master_texts(bool delete_db, const char* datetime) {
    datetime_fields d;
    if (!delete_db && *datetime && !datetime_text_valid(datetime, &d))
        return TXT_BAD_DATETIME;
    return 0;
}
