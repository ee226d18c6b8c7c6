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
