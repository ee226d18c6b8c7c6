#pragma once
// The Win32 side of the form seam: which child window stands for each
// logical control, and which window is the main one.

#include <windows.h>

void form_set_main(HWND main, HINSTANCE instance);
HWND form_main();
HINSTANCE form_instance();

// Registers the child window of a logical control.
void form_register(int control, HWND child);
HWND form_window(int control);

// Creates a child control, registers it under `control` and returns it.
// `id` is the identifier it reports its commands with (0: none).
HWND form_create(int control, const wchar_t* cls, const wchar_t* text, DWORD style, DWORD ex_style,
                 int x, int y, int w, int h, int id);
