#pragma once
// The Win32 side of the form seam: the main window, whose child windows are
// the controls, each found by its control id.

#include <windows.h>

void form_set_main(HWND main, HINSTANCE instance);
HWND form_main();
HINSTANCE form_instance();

// The child window of a control.
HWND form_window(int control);

// Creates a child control of the main window with its id and returns it.
HWND form_create(int control, const wchar_t* cls, const wchar_t* text, DWORD style, DWORD ex_style,
                 int x, int y, int w, int h);
