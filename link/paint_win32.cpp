#include "paint_win32.h"

HFONT skin_font(HDC hdc, int points, bool italic) {
    int height = -MulDiv(points, GetDeviceCaps(hdc, LOGPIXELSY), 72);
    return CreateFontW(height, 0, 0, 0, FW_DONTCARE, italic ? TRUE : FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH, L"Times New Roman");
}

void font_failure_box() {
    MessageBoxW(nullptr, L"Font creation failed!", L"Error", MB_OK | MB_ICONWARNING);
}

void draw_bitmap(HDC hdc, HBITMAP bmp, int x, int y) {
    BITMAP info;
    if (!bmp || !GetObjectW(bmp, sizeof info, &info))
        return;
    HDC mem = CreateCompatibleDC(hdc);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(hdc, x, y, info.bmWidth, info.bmHeight, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
}

void draw_keyed(HDC hdc, HBITMAP bmp, int x, int y, int w, int h, int src_w, int src_h,
                COLORREF key) {
    if (!bmp)
        return;
    HDC mem = CreateCompatibleDC(hdc);
    HGDIOBJ old = SelectObject(mem, bmp);
    TransparentBlt(hdc, x, y, w, h, mem, 0, 0, src_w, src_h, key);
    SelectObject(mem, old);
    DeleteDC(mem);
}
