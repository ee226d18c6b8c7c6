#include "window_win32.h"

#include "commands.h"
#include "form_win32.h"
#include "paint.h"
#include "paint_win32.h"
#include "poll.h"
#include "settings.h"
#include "tandor_state.h"
#include "wide.h"

namespace {
HBITMAP g_background = nullptr;
HBITMAP g_overlay = nullptr;

struct control_spec {
    int control;
    const wchar_t* cls;
    const wchar_t* text;
    DWORD style;
    DWORD ex_style;
    int x, y, w, h;
    int id; // 0: the control reports no id
};

// In the order of creation.
const control_spec k_controls[] = {
    {TC_WRITE, L"BUTTON", L"SCRIVI CARTA", BS_PUSHBUTTON, 0, 330, 302, 190, 41, TC_WRITE},
    {TC_UID, L"BUTTON", L"UID", BS_PUSHBUTTON, 0, 465, 100, 35, 20, TC_UID},
    {TC_CODE, L"EDIT", L"5C3E71D4", ES_CENTER, WS_EX_CLIENTEDGE, 322, 100, 140, 20, 0},
    {TC_ACCESSES, L"EDIT", L"15", ES_CENTER, WS_EX_CLIENTEDGE, 322, 160, 140, 20, 0},
    {TC_EXPIRY, L"EDIT", L"01/01/2018 00", ES_CENTER, WS_EX_CLIENTEDGE, 322, 223, 140, 20, 0},
    {TC_EXPIRY_NOW, L"BUTTON", L"O", BS_BITMAP, 0, 465, 223, 35, 20, TC_EXPIRY_NOW},
    {TC_USER_CARD, L"BUTTON", L"USER CARD", BS_PUSHBUTTON, 0, 100, 250, 190, 41, TC_USER_CARD},
    {TC_MASTER_CARD, L"BUTTON", L"MASTER CARD", BS_PUSHBUTTON, 0, 300, 250, 190, 41,
     TC_MASTER_CARD},
    {TC_PERSONAL, L"BUTTON", L"", BS_RADIOBUTTON, 0, 190, 105, 10, 10, TC_PERSONAL},
    {TC_FREE, L"BUTTON", L"", BS_RADIOBUTTON, 0, 300, 105, 10, 10, TC_FREE},
    {TC_DELETE_DB, L"BUTTON", L"", BS_CHECKBOX, 0, 250, 165, 10, 10, TC_DELETE_DB},
    {TC_DATETIME, L"EDIT", L"01/01/2018 00:00:00", ES_CENTER, WS_EX_CLIENTEDGE, 250, 223, 140, 20,
     0},
    {TC_DATETIME_NOW, L"BUTTON", L"O", BS_BITMAP, 0, 393, 223, 35, 20, TC_DATETIME_NOW},
    {TC_RESET, L"BUTTON", L"Reset", BS_PUSHBUTTON, 0, 265, 302, 50, 41, TC_RESET},
};

void paint(HWND hwnd, HDC hdc) {
    std::vector<paint_step> steps = paint_window(tandor());
    SetBkMode(hdc, TRANSPARENT);
    RECT client;
    GetClientRect(hwnd, &client);
    for (const paint_step& p : steps) {
        switch (p.kind) {
        case paint_step::BACKGROUND:
            draw_bitmap(hdc, g_background, 0, 0);
            break;
        case paint_step::OVERLAY:
            draw_keyed(
                hdc, g_overlay, 10, 10, 560, 350, 559, 350,
                RGB((OVERLAY_KEY >> 16) & 0xFF, (OVERLAY_KEY >> 8) & 0xFF, OVERLAY_KEY & 0xFF));
            break;
        case paint_step::TEXT:
        case paint_step::PROMPT: {
            font_spec f = font_of(p.font);
            HFONT font = skin_font(hdc, f.points, f.italic);
            if (!font) {
                font_failure_box();
                return;
            }
            HGDIOBJ old = SelectObject(hdc, font);
            SetTextColor(hdc, RGB((p.color >> 16) & 0xFF, (p.color >> 8) & 0xFF, p.color & 0xFF));
            std::wstring text = widen(p.text.c_str());
            if (p.kind == paint_step::PROMPT) {
                DrawTextW(hdc, text.c_str(), -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            } else {
                RECT r = {p.left, p.top, p.right, p.bottom};
                DrawTextW(hdc, text.c_str(), -1, &r,
                          DT_WORDBREAK | (p.right_aligned ? DT_RIGHT : DT_LEFT));
            }
            SetTextColor(hdc, RGB(0, 0, 0));
            SelectObject(hdc, old);
            DeleteObject(font);
            break;
        }
        }
    }
}
} // namespace

void create_controls(HWND main, HINSTANCE instance) {
    g_background = static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(8100), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    g_overlay = static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(8101), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    for (const control_spec& c : k_controls)
        form_create(c.control, c.cls, c.text, c.style, c.ex_style, c.x, c.y, c.w, c.h, c.id);
    HBITMAP clock = static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(8003), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    for (int c : {TC_EXPIRY_NOW, TC_DATETIME_NOW})
        SendMessageW(form_window(c), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(clock));
    (void)main;
}

void CALLBACK poll_timer(HWND, UINT, UINT_PTR, DWORD) {
    poll_tick(tandor());
}

LRESULT CALLBACK tandor_window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_DESTROY:
        settings_save();
        PostQuitMessage(0);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(hwnd, &ps);
        paint(hwnd, hdc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_COMMAND:
        tandor_command(tandor(), LOWORD(wp));
        return 0;
    case WM_CTLCOLORBTN: {
        HDC hdc = reinterpret_cast<HDC>(wp);
        SetTextColor(hdc, RGB(255, 0, 0));
        return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
    }
    default:
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
}
