// Waiting and the clock on Win32.
#include "system.h"

#include <windows.h>

void sys_sleep_ms(int ms) {
    Sleep(static_cast<DWORD>(ms));
}

std::int64_t sys_now_ms() {
    // The performance counter: GetTickCount moves in steps of up to 16 ms.
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<std::int64_t>(now.QuadPart / frequency * 1000 +
                                     now.QuadPart % frequency * 1000 / frequency);
}

void sys_debug_output(const char* line) {
    OutputDebugStringA(line);
}

local_time sys_local_time() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}
