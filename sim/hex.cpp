#include "hex.h"

#include <cstdio>

std::string to_hex(const bytes& data) {
    std::string s;
    char buf[4];
    for (std::size_t i = 0; i < data.size(); ++i) {
        std::snprintf(buf, sizeof buf, i ? " %02X" : "%02X", data[i]);
        s += buf;
    }
    return s;
}

bool from_hex(const std::string& text, bytes* out) {
    out->clear();
    int hi = -1;
    for (char c : text) {
        int v;
        if (c >= '0' && c <= '9')
            v = c - '0';
        else if (c >= 'a' && c <= 'f')
            v = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            v = c - 'A' + 10;
        else if (c == ' ' || c == ':')
            continue;
        else
            return false;
        if (hi < 0) {
            hi = v;
        } else {
            out->push_back(static_cast<std::uint8_t>(hi * 16 + v));
            hi = -1;
        }
    }
    return hi < 0;
}
