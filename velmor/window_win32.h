#pragma once
// The setup tool's main window on Win32.

#include <windows.h>

// Runs the setup tool: the window, its 42 controls and the message loop.
int velmor_main(HINSTANCE instance, int show);
