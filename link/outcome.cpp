#include "outcome.h"

#include "link_texts.h"

#include <cstdio>

const char* link_text(int id) {
    static const char* const texts[LT_END - LT_FIRST] = {
        "Path-value is empty!",   "Errore", "Failed to create Key", "Error", "Failed to write key",
        "Error writing registry", "Debug:"};
    return id >= LT_FIRST && id < LT_END ? texts[id - LT_FIRST] : nullptr;
}

namespace {
std::string text_of(int id, text_lookup program_text) {
    if (const char* own = link_text(id))
        return own;
    const char* text = program_text ? program_text(id) : nullptr;
    return text ? text : "";
}
} // namespace

box_texts box_of(const outcome& o, text_lookup program_text) {
    box_texts box{text_of(o.caption, program_text), o.text ? text_of(o.text, program_text) : ""};
    box.text += o.detail;
    for (std::uint8_t b : o.bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02x", b);
        box.text += hex;
    }
    return box;
}
