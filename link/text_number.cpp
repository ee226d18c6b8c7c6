#include "text_number.h"

bool leading_number(const char* text, long long* value) {
    const long long limit = 1000000000000000000LL;
    const char* p = text;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    if (*p < '0' || *p > '9')
        return false;
    long long v = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        int digit = *p - '0';
        v = v <= (limit - digit) / 10 ? v * 10 + digit : limit;
    }
    *value = negative ? -v : v;
    return true;
}

bool whole_number(const char* text, bool signed_allowed, long long* value) {
    const char* p = text;
    if (signed_allowed && *p == '-')
        ++p;
    if (*p == '\0')
        return false;
    for (const char* q = p; *q; ++q)
        if (*q < '0' || *q > '9')
            return false;
    return leading_number(text, value);
}

namespace {
bool digits_at(const char* text, int at, int count, int* value) {
    int v = 0;
    for (int i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        v = v * 10 + (text[i] - '0');
    }
    *value = v;
    return true;
}
} // namespace

bool day_exists(int day, int month, int year) {
    static const int k_days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1)
        return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= k_days[month - 1] + (month == 2 && leap ? 1 : 0);
}

bool date_text_at(const char* text, int* day, int* month, int* year) {
    int d = 0, m = 0, y = 0;
    for (int i = 0; i < 10; ++i)
        if (text[i] == '\0')
            return false;
    if (text[2] != '/' || text[5] != '/' || !digits_at(text, 0, 2, &d) ||
        !digits_at(text, 3, 2, &m) || !digits_at(text, 6, 4, &y) || !day_exists(d, m, y))
        return false;
    *day = d;
    *month = m;
    *year = y;
    return true;
}

bool two_digits(const char* p, int* value) {
    if (p[0] < '0' || p[0] > '9' || p[1] < '0' || p[1] > '9')
        return false;
    *value = (p[0] - '0') * 10 + (p[1] - '0');
    return true;
}
