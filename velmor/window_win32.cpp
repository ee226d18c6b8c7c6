#include "window_win32.h"

#include "form_win32.h"
#include "paint_win32.h"
#include "settings.h"
#include "setup_form.h"

#include <commctrl.h>

namespace {
HBITMAP g_skin = nullptr;

void create(const form_control_spec& c, HINSTANCE instance) {
    const DWORD tab = WS_TABSTOP | WS_VISIBLE;
    switch (c.kind) {
    case KIND_FRAME:
        form_create(c.control, L"BUTTON", L"", BS_GROUPBOX | WS_VISIBLE, 0, c.x, c.y, c.w, c.h,
                    c.id);
        break;
    case KIND_LABEL_LEFT:
    case KIND_LABEL_RIGHT:
        form_create(c.control, L"STATIC", L"",
                    (c.kind == KIND_LABEL_RIGHT ? SS_RIGHT : SS_LEFT) | WS_VISIBLE, 0, c.x, c.y,
                    c.w, c.h, c.id);
        break;
    case KIND_EDIT:
        form_create(c.control, L"EDIT", L"", ES_CENTER | ES_AUTOHSCROLL | tab, WS_EX_CLIENTEDGE,
                    c.x, c.y, c.w, c.h, c.id);
        break;
    case KIND_LIST:
        form_create(c.control, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | tab, 0, c.x, c.y,
                    c.w, c.h, c.id);
        break;
    case KIND_CHECK: {
        bool socket1 = c.control == VC_SOCKET1;
        HWND box = form_create(c.control, L"BUTTON", L"",
                               BS_AUTOCHECKBOX | WS_VISIBLE | (socket1 ? 0 : WS_TABSTOP), 0, c.x,
                               c.y, c.w, c.h, c.id);
        if (socket1)
            EnableWindow(box, FALSE);
        break;
    }
    case KIND_BUTTON:
        form_create(c.control, L"BUTTON", L"", BS_PUSHBUTTON | tab, 0, c.x, c.y, c.w, c.h, c.id);
        break;
    case KIND_CLOCK_BUTTON: {
        HWND button = form_create(c.control, L"BUTTON", L"", BS_PUSHBUTTON | BS_BITMAP | tab,
                                  WS_EX_CLIENTEDGE, c.x, c.y, c.w, c.h, c.id);
        HBITMAP clock = static_cast<HBITMAP>(
            LoadImageW(instance, MAKEINTRESOURCEW(8002), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
        SendMessageW(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(clock));
        break;
    }
    case KIND_PROGRESS: {
        HWND bar = form_create(c.control, PROGRESS_CLASSW, L"", 0, WS_EX_CLIENTEDGE, c.x, c.y, c.w,
                               c.h, c.id);
        SendMessageW(bar, PBM_SETRANGE, 0, MAKELPARAM(0, PROGRESS_MAX));
        break;
    }
    }
}
} // namespace

void form_build(HWND main, HINSTANCE instance) {
    (void)main;
    g_skin = static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(8100), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    for (int i = 0; i < k_form_control_count; ++i)
        create(k_form_controls[i], instance);
    form_start_values();
}

LRESULT CALLBACK velmor_window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_DESTROY:
        settings_save();
        PostQuitMessage(0);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(hwnd, &ps);
        draw_bitmap(hdc, g_skin, 0, 0);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_COMMAND:
        velmor_command(LOWORD(wp));
        return 0;
    case WM_CTLCOLORSTATIC: {
        HDC hdc = reinterpret_cast<HDC>(wp);
        SetBkMode(hdc, TRANSPARENT);
        SetTextColor(hdc, RGB(0, 0, 170));
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    default:
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
}
