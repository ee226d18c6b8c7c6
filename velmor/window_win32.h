#pragma once
// The setup tool's main window on Win32.

#include <windows.h>

LRESULT CALLBACK velmor_window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// Loads the skin and creates the 42 controls of the form with their start
// values.
void form_build(HWND main, HINSTANCE instance);
