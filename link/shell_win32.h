#pragma once
// A bare main window: class, title and outer size. The programs grow their
// own windows on top of this; until then it is all they show.

#include <windows.h>

int shell_run_empty(HINSTANCE instance, const wchar_t* class_name, const wchar_t* title, int width,
                    int height, int show);
