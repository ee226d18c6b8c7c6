#include "console_teller.h"

#include "companion_texts.h"

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
    // The program's own words first ("La borne ne répond pas"), then what
    // the technician can do about it.
    const box_texts box = box_of(o, program_text);
    const std::string& program = box.text;
    const std::string lead = program.empty() ? "" : program + ": ";
    switch (o.what) {
    case result::silent:
        return lead + qtext(QT_CHECK_CABLE_AND_POWER);
    case result::send_failed:
        return lead + qtext(QT_LINE_DID_NOT_TAKE);
    case result::no_port:
    case result::not_held:
        return program;
    case result::unread_answer:
        return qtext(QT_UNREAD_ANSWER, {hex_of(o.bytes)});
    default:
        break;
    }
    // Anything else as its box says it, after what it is about.
    return box.caption.empty() ? box.text : box.caption + ": " + box.text;
}

void console_teller::tell(const outcome& o) {
    out_ << "quenby: " << console_words(o, text_) << std::endl;
}
