#pragma once
// Drawing helpers shared by the card writers' windows.

#include <windows.h>

// A font of the skin: "Times New Roman" at `points` for the display of hdc.
// Null when it cannot be made; the caller then shows "Font creation
// failed!" and skips the rest of its painting.
HFONT skin_font(HDC hdc, int points, bool italic);

// The "Font creation failed!" warning.
void font_failure_box();

// Copies bitmap `bmp` to (x, y) of hdc at its own size.
void draw_bitmap(HDC hdc, HBITMAP bmp, int x, int y);

// Draws `src_w` x `src_h` of bitmap `bmp` stretched to w x h at (x, y),
// leaving out the pixels of colour `key`.
void draw_keyed(HDC hdc, HBITMAP bmp, int x, int y, int w, int h, int src_w, int src_h,
                COLORREF key);
