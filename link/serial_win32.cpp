// Serial device on the Win32 communications API.
#include "serial.h"

#include <windows.h>

namespace {
HANDLE g_port = INVALID_HANDLE_VALUE;

bool configure(HANDLE h, unsigned speed) {
    DCB dcb;
    ZeroMemory(&dcb, sizeof dcb);
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(h, &dcb))
        return false;
    dcb.BaudRate = speed;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    if (!SetCommState(h, &dcb))
        return false;

    COMMTIMEOUTS t;
    t.ReadIntervalTimeout = 50;
    t.ReadTotalTimeoutMultiplier = 10;
    t.ReadTotalTimeoutConstant = 50;
    t.WriteTotalTimeoutMultiplier = 10;
    t.WriteTotalTimeoutConstant = 50;
    return SetCommTimeouts(h, &t) != FALSE;
}
} // namespace

bool serial_open(const char* name, unsigned speed) {
    g_port = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    if (g_port == INVALID_HANDLE_VALUE)
        return false;
    if (configure(g_port, speed))
        return true;
    // A device that cannot take the line settings is of no use and would stay
    // locked against every later open: let it go.
    CloseHandle(g_port);
    g_port = INVALID_HANDLE_VALUE;
    return false;
}

bool serial_close() {
    if (g_port == INVALID_HANDLE_VALUE)
        return false;
    BOOL ok = CloseHandle(g_port);
    g_port = INVALID_HANDLE_VALUE;
    return ok != FALSE;
}

bool serial_is_open() {
    return g_port != INVALID_HANDLE_VALUE;
}

bool serial_write(const std::uint8_t* bytes, std::size_t count) {
    DWORD written = 0;
    // A write that took fewer bytes than it was given has failed too.
    BOOL ok = WriteFile(g_port, bytes, static_cast<DWORD>(count), &written, nullptr);
    return ok && written == count;
}

bool serial_read(std::uint8_t* buffer, std::size_t capacity, std::size_t* got) {
    DWORD n = 0;
    BOOL ok = ReadFile(g_port, buffer, static_cast<DWORD>(capacity), &n, nullptr);
    *got = ok ? n : 0;
    return ok != FALSE;
}
