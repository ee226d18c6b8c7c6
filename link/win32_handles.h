#pragma once
// The Windows objects the thin Win32 layer holds for the process, in one
// record: the open settings key, the main window, the module instance, the
// application the skeleton runs and its device link. Only *_win32.cpp files
// include this.

#include <windows.h>

struct app_spec;
struct device_link;

struct win32_handles {
    HKEY key = nullptr;  // the settings key while it is open
    HWND main = nullptr; // the one main window
    HINSTANCE instance = nullptr;
    const app_spec* app = nullptr; // the one application of the process
    device_link* link = nullptr;   // its device link, while its message loop runs
};

// The one record of the process.
win32_handles& win32();
