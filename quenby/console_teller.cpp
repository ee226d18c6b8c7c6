#include "console_teller.h"

#include <cstdio>

namespace {
std::string hex_of(const std::vector<std::uint8_t>& bytes) {
    std::string s;
    for (std::uint8_t b : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%s%02X", s.empty() ? "" : " ", b);
        s += hex;
    }
    return s;
}
} // namespace

std::string console_words(const outcome& o, text_lookup program_text) {
    switch (o.what) {
    case result::silent:
        return "the station does not answer: check its cable, and that it is on";
    case result::send_failed:
        return "the line did not take what was sent: check the cable and the adapter";
    case result::no_port:
        return "the station's port does not open";
    case result::not_held:
        return "the station does not hold what was written: " + o.detail;
    case result::unread_answer:
        return "the station answered " + hex_of(o.bytes) +
               ", which is no answer the setup tool reads: it is left as it was";
    default:
        break;
    }
    // Anything else as its box says it, after what it is about.
    const box_texts box = box_of(o, program_text);
    return box.caption.empty() ? box.text : box.caption + ": " + box.text;
}

void console_teller::tell(const outcome& o) {
    out_ << "quenby: " << console_words(o, text_) << std::endl;
}
