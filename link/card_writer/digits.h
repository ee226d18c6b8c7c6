#pragma once
// Digits of card fields, written into and read from fixed places of a text.

// The value of one hex digit of either case, -1 for any other character.
inline int hex_digit_value(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Two hex digits at p as a byte, -1 when either is no hex digit.
inline int hex_pair_value(const char* p) {
    int hi = hex_digit_value(p[0]);
    int lo = hex_digit_value(p[1]);
    return (hi < 0 || lo < 0) ? -1 : hi * 16 + lo;
}

// v (0 to 99) as two decimal digits at p, as "%02d" prints it.
inline void put_dec2(char* p, int v) {
    p[0] = static_cast<char>('0' + v / 10 % 10);
    p[1] = static_cast<char>('0' + v % 10);
}

// The low byte of v as two hex digits at p, as "%02X" or "%02x" prints it.
inline void put_hex2(char* p, unsigned v, bool upper) {
    const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    p[0] = digits[(v >> 4) & 0x0F];
    p[1] = digits[v & 0x0F];
}
