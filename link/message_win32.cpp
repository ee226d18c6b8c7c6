// Modal message boxes on Win32, texts shown through the wide-character calls.
#include "system.h"
#include "wide.h"

#include <windows.h>

void sys_message_box(const char* caption, const char* text) {
    MessageBoxW(nullptr, widen(text).c_str(), widen(caption).c_str(), MB_OK);
}
