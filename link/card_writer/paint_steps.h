#pragma once
// What the card writers' window shows, as a list of drawing steps that the
// Win32 layer carries out in order.

#include <string>
#include <vector>

enum paint_font {
    FONT_LABEL,   // 14 points
    FONT_HINT,    // 9 points
    FONT_HEADER,  // 20 points, italic
    FONT_WRITTEN, // 20 points
    FONT_PROMPT,  // 24 points, italic
};

struct font_spec {
    int points;
    bool italic;
};
font_spec font_of(paint_font f);

struct paint_step {
    enum kind_t {
        BACKGROUND, // the skin bitmap at (0, 0), its own size
        OVERLAY,    // the card picture, 559 x 350 of it stretched to 560 x 350 at (10, 10), keyed
        TEXT,       // text in rect, word breaking, left- or right-aligned
        PROMPT,     // text centred on one line in the whole client area
    } kind = BACKGROUND;
    paint_font font = FONT_LABEL;
    int left = 0, top = 0, right = 0, bottom = 0;
    bool right_aligned = false;
    unsigned color = 0x000000; // 0xRRGGBB
    std::string text;
};

enum { OVERLAY_KEY = 0xE518FD, WRITTEN_COLOR = 0xC80000 }; // RGB(229, 24, 253), RGB(200, 0, 0)

paint_step step(paint_step::kind_t kind);
paint_step text_step(paint_font font, int left, int top, int right, int bottom,
                     const std::string& text, bool right_aligned = false, unsigned color = 0);

// What both card forms paint alike: the header with the card's UID
// ("Code: 0A1B2C3D", right-aligned), and "Written card" in red under the form.
paint_step code_header_step(const char* uid);
paint_step written_card_step();
