// The station setup tool: start-up and message loop; shutdown is in the
// window procedure.
#include "form_win32.h"
#include "language.h"
#include "profile_velmor.h"
#include "settings.h"
#include "setup_form.h"
#include "window_win32.h"

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    profile_set(&k_velmor_profile);

    INITCOMMONCONTROLSEX icc = {sizeof icc, 0xFF};
    InitCommonControlsEx(&icc);

    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = velmor_window_proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(8001));
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"VelmorClass";
    if (!RegisterClassExW(&wc))
        return 1;

    HWND main =
        CreateWindowExW(0, L"VelmorClass", L"Velmor - Quenby Corvane - v1.0", WS_OVERLAPPEDWINDOW,
                        0, 0, 806, 470, nullptr, nullptr, instance, nullptr);
    if (!main)
        return 1;
    form_set_main(main, instance);

    settings_load();
    form_build(main, instance);
    form_relabel(lang_get());
    ShowWindow(main, show);
    UpdateWindow(main);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(main, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
