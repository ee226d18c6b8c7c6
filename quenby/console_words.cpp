#include "console_words.h"

#include "velmor_texts.h"

#include <cctype>

namespace {
bool starts(const std::string& text, const char* with) {
    return text.rfind(with, 0) == 0;
}

std::string upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}
} // namespace

std::string console_words(const std::string& caption, const std::string& text) {
    if (text == vtext(VT_MSG_NO_ANSWER))
        return "the station does not answer: check its cable, and that it is on";
    if (text == vtext(VT_MSG_COMMUNICATION))
        return "the line did not take what was sent: check the cable and the adapter";
    if (text == vtext(VT_MSG_PORT))
        return "the station's port does not open";
    if (starts(text, vtext(VT_MSG_NOT_HELD)))
        return "the station does not hold what was written: " +
               text.substr(std::string(vtext(VT_MSG_NOT_HELD)).size());
    if (starts(text, "Debug: "))
        return "the station answered " + upper(text.substr(7)) +
               ", which is no answer the setup tool reads: it is left as it was";
    // Anything else as it is written, after what it is about.
    return caption.empty() ? text : caption + ": " + text;
}
