#pragma once
// The Win32 skeleton of the three programs: register the window class, create
// the main window, load the settings, let the program build its content, and
// run the message loop. Each program gives its class, title, size, window
// procedure and start-up; its window state lives in a record reached from the
// window itself (app_state).

#include "device_link.h"
#include "profile.h"

#include <windows.h>

struct app_spec {
    const program_profile* profile;
    const wchar_t* class_name;
    const wchar_t* title;
    int width, height;
    int icon; // icon resource
    int menu; // class menu resource, 0 for none
    UINT class_style;
    // Tab and the arrow keys move between the controls (IsDialogMessageW).
    bool dialog_navigation;
    // Everything but WM_DESTROY (which saves the settings and ends the loop),
    // and only once the window has its record.
    WNDPROC window_proc;
    // Called once the main window exists and the settings are loaded, before
    // it is shown: the controls, their start values, timers. `link` is the
    // program's device link, which lives as long as the message loop.
    void (*start)(HWND main, HINSTANCE instance, device_link& link);
};

// Runs the program; `state` is the window's record (see app_state). The
// program's one device link tells its outcomes as message boxes. Returns the
// exit code: 1 when the class or the window cannot be made.
int app_main(HINSTANCE instance, int show, const app_spec& spec, void* state);

// The window's record given to app_main; null before the window has it.
template <typename T> T* app_state(HWND hwnd) {
    return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}
