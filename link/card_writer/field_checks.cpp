#include "field_checks.h"

#include "text_number.h"

#include <cstring>

namespace {
bool is_hex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
} // namespace

bool card_code_valid(const char* text, int digits, bool allow_empty) {
    std::size_t n = std::strlen(text);
    if (n == 0)
        return allow_empty;
    if (n != static_cast<std::size_t>(digits))
        return false;
    for (std::size_t i = 0; i < n; ++i)
        if (!is_hex(text[i]))
            return false;
    return true;
}

bool accesses_in_range(const char* text, long long low, long long high) {
    if (*text == '\0')
        return true;
    long long v = 0;
    return whole_number(text, low < 0, &v) && v >= low && v <= high;
}
