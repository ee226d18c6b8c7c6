#include "app_win32.h"

#include "box_teller.h"
#include "form_win32.h"
#include "settings.h"
#include "win32_handles.h"

#include <commctrl.h>

namespace {
// What every program's window does alike: at its end the settings are saved
// and the loop ends; everything else is the program's.
LRESULT CALLBACK app_window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    // Before the window has its record (while it is being made) it is left
    // to the system.
    if (!GetWindowLongPtrW(hwnd, GWLP_USERDATA))
        return DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_DESTROY) {
        settings_save(*win32().link);
        PostQuitMessage(0);
        return 0;
    }
    return win32().app->window_proc(hwnd, msg, wp, lp);
}
} // namespace

int app_main(HINSTANCE instance, int show, const app_spec& spec, void* state) {
    win32().app = &spec;
    profile_set(spec.profile);

    INITCOMMONCONTROLSEX icc = {sizeof icc, 0xFF};
    InitCommonControlsEx(&icc);

    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.style = spec.class_style;
    wc.lpfnWndProc = app_window_proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(spec.icon));
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszMenuName = spec.menu ? MAKEINTRESOURCEW(spec.menu) : nullptr;
    wc.lpszClassName = spec.class_name;
    if (!RegisterClassExW(&wc))
        return 1;

    HWND main = CreateWindowExW(0, spec.class_name, spec.title, WS_OVERLAPPEDWINDOW, 0, 0,
                                spec.width, spec.height, nullptr, nullptr, instance, nullptr);
    if (!main)
        return 1;
    SetWindowLongPtrW(main, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    form_set_main(main, instance);

    box_teller boxes(spec.profile->text);
    device_link link(*spec.profile, &boxes);
    win32().link = &link;
    settings_load(link);
    spec.start(main, instance, link);
    ShowWindow(main, show);
    UpdateWindow(main);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (spec.dialog_navigation && IsDialogMessageW(main, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    win32().link = nullptr;
    return static_cast<int>(msg.wParam);
}
