// The card writer: start-up, message loop, and (in the window procedure)
// shutdown.
#include "form.h"
#include "form_win32.h"
#include "language.h"
#include "profile_tandor.h"
#include "settings.h"
#include "tandor_state.h"
#include "texts.h"
#include "wide.h"
#include "window_win32.h"

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    profile_set(&k_tandor_profile);

    INITCOMMONCONTROLSEX icc = {sizeof icc, 0xFF};
    InitCommonControlsEx(&icc);

    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = tandor_window_proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(8200));
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszMenuName = MAKEINTRESOURCEW(MENU_FIRST);
    wc.lpszClassName = L"TandorClass";
    if (!RegisterClassExW(&wc))
        return 1;

    HWND main = CreateWindowExW(0, L"TandorClass", L"Tandor v2.0", WS_OVERLAPPEDWINDOW, 0, 0, 592,
                                420, nullptr, nullptr, instance, nullptr);
    if (!main)
        return 1;
    form_set_main(main, instance);

    settings_load();
    create_controls(main, instance);
    form_set_menu(MENU_FIRST + lang_get());
    SetWindowTextW(form_window(TC_WRITE), widen(localized(TXT_WRITE_CARD)).c_str());
    ShowWindow(main, show);
    UpdateWindow(main);
    SetTimer(main, POLL_TIMER_ID, POLL_PERIOD_MS, poll_timer);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
