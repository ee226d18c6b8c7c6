#include "window_win32.h"

#include "app_win32.h"
#include "form_commands.h"
#include "form_layout.h"
#include "form_rules.h"
#include "form_win32.h"
#include "language.h"
#include "paint_win32.h"
#include "profile_velmor.h"
#include "program_info.h"
#include "station_ops.h"

#include <commctrl.h>

namespace {
// The window's record (app_state).
struct velmor_window {
    HBITMAP skin;
    device_link* link; // the program's, from start-up on
};

void create(const form_control_spec& c, HINSTANCE instance) {
    const DWORD tab = WS_TABSTOP | WS_VISIBLE;
    switch (c.kind) {
    case KIND_FRAME:
        form_create(c.control, L"BUTTON", L"", BS_GROUPBOX | WS_VISIBLE, 0, c.x, c.y, c.w, c.h);
        break;
    case KIND_LABEL_LEFT:
    case KIND_LABEL_RIGHT:
        form_create(c.control, L"STATIC", L"",
                    (c.kind == KIND_LABEL_RIGHT ? SS_RIGHT : SS_LEFT) | WS_VISIBLE, 0, c.x, c.y,
                    c.w, c.h);
        break;
    case KIND_EDIT:
        form_create(c.control, L"EDIT", L"", ES_CENTER | ES_AUTOHSCROLL | tab, WS_EX_CLIENTEDGE,
                    c.x, c.y, c.w, c.h);
        break;
    case KIND_LIST:
        form_create(c.control, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | tab, 0, c.x, c.y,
                    c.w, c.h);
        break;
    case KIND_CHECK: {
        bool socket1 = c.control == VC_SOCKET1;
        HWND box = form_create(c.control, L"BUTTON", L"",
                               BS_AUTOCHECKBOX | WS_VISIBLE | (socket1 ? 0 : WS_TABSTOP), 0, c.x,
                               c.y, c.w, c.h);
        if (socket1)
            EnableWindow(box, FALSE);
        break;
    }
    case KIND_BUTTON:
        form_create(c.control, L"BUTTON", L"", BS_PUSHBUTTON | tab, 0, c.x, c.y, c.w, c.h);
        break;
    case KIND_CLOCK_BUTTON: {
        HWND button = form_create(c.control, L"BUTTON", L"", BS_PUSHBUTTON | BS_BITMAP | tab,
                                  WS_EX_CLIENTEDGE, c.x, c.y, c.w, c.h);
        HBITMAP clock = static_cast<HBITMAP>(LoadImageW(
            instance, MAKEINTRESOURCEW(IDB_VELMOR_CLOCK), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
        SendMessageW(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(clock));
        break;
    }
    case KIND_PROGRESS: {
        HWND bar =
            form_create(c.control, PROGRESS_CLASSW, L"", 0, WS_EX_CLIENTEDGE, c.x, c.y, c.w, c.h);
        SendMessageW(bar, PBM_SETRANGE, 0, MAKELPARAM(0, PROGRESS_STEPS));
        break;
    }
    }
}
LRESULT CALLBACK window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    velmor_window* w = app_state<velmor_window>(hwnd);
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(hwnd, &ps);
        draw_bitmap(hdc, w->skin, 0, 0);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_COMMAND:
        if (w->link)
            velmor_command(*w->link, LOWORD(wp));
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

// Loads the skin and creates the 42 controls of the form with their start
// values, in the interface language.
void start(HWND main, HINSTANCE instance, device_link& link) {
    app_state<velmor_window>(main)->link = &link;
    app_state<velmor_window>(main)->skin = static_cast<HBITMAP>(LoadImageW(
        instance, MAKEINTRESOURCEW(IDB_VELMOR_SKIN), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    for (int i = 0; i < k_form_control_count; ++i)
        create(k_form_controls[i], instance);
    form_start_values();
    form_relabel(lang_get());
}
} // namespace

int velmor_main(HINSTANCE instance, int show) {
    // Lives as long as the window: app_main runs its message loop.
    velmor_window window = {nullptr, nullptr};
    const app_spec spec = {
        &k_velmor_profile,
        L"VelmorClass",
        VELMOR_TITLE,
        806,
        470,
        IDI_VELMOR,
        0,
        CS_HREDRAW | CS_VREDRAW,
        true, // Tab moves through the form
        window_proc,
        start,
    };
    return app_main(instance, show, spec, &window);
}
