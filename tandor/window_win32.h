#pragma once
// The card writer's main window on Win32.

#include <windows.h>

LRESULT CALLBACK tandor_window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// Loads the skin bitmaps and creates the child controls, all hidden.
void create_controls(HWND main, HINSTANCE instance);

// Timer 507 of the main window.
void CALLBACK poll_timer(HWND hwnd, UINT msg, UINT_PTR id, DWORD time);
