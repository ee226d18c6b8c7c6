#pragma once
// The Windows objects the thin Win32 layer holds for the process, in one
// record: the serial device, the open settings key, the main window, the
// module instance and the application the skeleton runs. Only *_win32.cpp files include this.

#include <windows.h>

struct app_spec;

struct win32_handles {
    HANDLE port = INVALID_HANDLE_VALUE; // the serial device
    HKEY key = nullptr;                 // the settings key while it is open
    HWND main = nullptr;                // the one main window
    HINSTANCE instance = nullptr;
    const app_spec* app = nullptr; // the one application of the process
};

// The one record of the process.
win32_handles& win32();
