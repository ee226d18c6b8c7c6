#include "paint_steps.h"

#include "card_writer_texts.h"

paint_step step(paint_step::kind_t kind) {
    paint_step p;
    p.kind = kind;
    return p;
}

paint_step text_step(paint_font font, int l, int t, int r, int b, const std::string& s, bool right,
                     unsigned color) {
    paint_step p = step(paint_step::TEXT);
    p.font = font;
    p.left = l;
    p.top = t;
    p.right = r;
    p.bottom = b;
    p.text = s;
    p.right_aligned = right;
    p.color = color;
    return p;
}

font_spec font_of(paint_font f) {
    switch (f) {
    case FONT_LABEL:
        return {14, false};
    case FONT_HINT:
        return {9, false};
    case FONT_HEADER:
        return {20, true};
    case FONT_WRITTEN:
        return {20, false};
    default:
        return {24, true};
    }
}

paint_step code_header_step(const char* uid) {
    return text_step(FONT_HEADER, 50, 24, 550, 80, std::string(localized(TXT_CODE)) + uid, true);
}

paint_step written_card_step() {
    return text_step(FONT_WRITTEN, 340, 306, 580, 380, localized(TXT_WRITTEN), false,
                     WRITTEN_COLOR);
}
