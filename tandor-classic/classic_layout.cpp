#include "classic_layout.h"

#include "card_writer_texts.h"
#include "digits.h"
#include "field_checks.h"
#include "reader.h"
#include "text_number.h"
#include "texts_card_writer.h"
#include "texts_classic.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {
const long long k_int32_min = -2147483648LL;
const long long k_int32_max = 2147483647LL;
} // namespace

void classic_decode_data(const char* block, classic_data* out) {
    *out = classic_data{};
    if (std::strlen(block) < 32)
        return;
    std::memcpy(out->card_code, block, CLASSIC_CODE_DIGITS);
    int flags = hex_pair_value(block + 10);
    out->flags = flags < 0 ? 0 : flags;
    if (!(out->flags & CLASSIC_FLAG_EXPIRY))
        return;
    int year, month, day;
    if (two_digits(block + 12, &year) && two_digits(block + 14, &month) &&
        two_digits(block + 16, &day))
        std::snprintf(out->expiry, sizeof out->expiry, "%02d/%02d/20%02d", day, month, year);
    else
        std::snprintf(out->expiry, sizeof out->expiry, "%.2s/%.2s/20%.2s", block + 16, block + 14,
                      block + 12);
}

bool classic_decode_counter(const char* block, int flags, char accesses[12]) {
    accesses[0] = '\0';
    if (!(flags & CLASSIC_FLAG_ACCESSES))
        return true; // no count on the card: block 5 is not read as one
    if (std::strlen(block) < 32)
        return false;
    int b[16];
    for (int i = 0; i < 16; ++i)
        if ((b[i] = hex_pair_value(block + 2 * static_cast<std::size_t>(i))) < 0)
            return false;
    // A value block holds the value, its inverse and the value again, then
    // the address, its inverse, the address, its inverse.
    for (int i = 0; i < 4; ++i)
        if (b[4 + i] != 255 - b[i] || b[8 + i] != b[i])
            return false;
    if (b[13] != 255 - b[12] || b[14] != b[12] || b[15] != 255 - b[12])
        return false;
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint32_t>(b[i]);
    std::snprintf(accesses, 12, "%ld", static_cast<long>(static_cast<std::int32_t>(v)));
    return true;
}

bool classic_counter_never_written(const char* block, int flags) {
    return (flags & CLASSIC_FLAG_ACCESSES) && std::strlen(block) >= 32 &&
           std::strspn(block, "0") >= 32;
}

bool classic_expiry_valid(const char* text, classic_date* out) {
    classic_date d{};
    if (std::strlen(text) != 10 || !date_text_at(text, &d.day, &d.month, &d.year) ||
        d.year < 2013 || d.year > 2099)
        return false;
    *out = d;
    return true;
}

outcome classic_check_texts(const char* card_code, const char* accesses, const char* expiry) {
    if (!card_code_valid(card_code, CLASSIC_CODE_DIGITS, false))
        return card_refusal(TXT_CLASSIC_BAD_CARD_CODE);
    if (!accesses_in_range(accesses, k_int32_min, k_int32_max))
        return card_refusal(TXT_CLASSIC_BAD_ACCESSES);
    classic_date d;
    if (*expiry && !classic_expiry_valid(expiry, &d))
        return card_refusal(TXT_BAD_DATE);
    return done_outcome();
}

std::int32_t classic_accesses_value(const char* accesses) {
    long long v = 0;
    if (!leading_number(accesses, &v) || v < k_int32_min || v > k_int32_max)
        return 0;
    return static_cast<std::int32_t>(v);
}

outcome classic_encode_data(const char* uid, const char* card_code, const char* accesses,
                            const char* expiry, char out[CLASSIC_PAYLOAD_CHARS + 1]) {
    if (outcome refused = classic_check_texts(card_code, accesses, expiry); !refused.done())
        return refused;
    // head(24) code(10) flags(2) yy mm dd zeros(14)
    char p[CLASSIC_PAYLOAD_CHARS + 1];
    reader_payload_head(uid, CLASSIC_DATA_BLOCK, p);
    for (int i = 0; i < CLASSIC_CODE_DIGITS; ++i)
        p[24 + i] = static_cast<char>(std::toupper(static_cast<unsigned char>(card_code[i])));
    unsigned flags = 0;
    if (*accesses)
        flags |= CLASSIC_FLAG_ACCESSES;
    if (*expiry)
        flags |= CLASSIC_FLAG_EXPIRY;
    put_hex2(p + 34, flags, false);
    std::memset(p + 36, '0', 20);
    p[CLASSIC_PAYLOAD_CHARS] = '\0';
    classic_date d;
    if (*expiry && classic_expiry_valid(expiry, &d)) {
        put_dec2(p + 36, d.year % 100);
        put_dec2(p + 38, d.month);
        put_dec2(p + 40, d.day);
    }
    std::memcpy(out, p, sizeof p);
    return done_outcome();
}

outcome classic_encode_counter(const char* uid, const char* accesses,
                               char out[CLASSIC_PAYLOAD_CHARS + 1]) {
    if (!accesses_in_range(accesses, k_int32_min, k_int32_max))
        return card_refusal(TXT_CLASSIC_BAD_ACCESSES);
    std::uint32_t v = static_cast<std::uint32_t>(classic_accesses_value(accesses));
    // head(24) value(8) complement(8) value(8) 01fe01fe
    char p[CLASSIC_PAYLOAD_CHARS + 1];
    reader_payload_head(uid, CLASSIC_COUNTER_BLOCK, p);
    for (int i = 0; i < 4; ++i) {
        unsigned b = (v >> (8 * i)) & 0xFFu;
        put_hex2(p + 24 + 2 * static_cast<std::size_t>(i), b, false);
        put_hex2(p + 32 + 2 * static_cast<std::size_t>(i), 255u - b, false);
        put_hex2(p + 40 + 2 * static_cast<std::size_t>(i), b, false);
    }
    std::memcpy(p + 48, "01fe01fe", 9);
    std::memcpy(out, p, sizeof p);
    return done_outcome();
}
