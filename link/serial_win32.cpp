// Serial device on the Win32 communications API.
#include "serial.h"

#include <windows.h>

namespace {

// The whole line is set, not only what differs: flow control and the modem
// lines are whatever the last program left, and a port left in XON/XOFF mode
// swallows every 0x13 of a reply.
bool configure(HANDLE h, const line_settings& line) {
    DCB dcb;
    ZeroMemory(&dcb, sizeof dcb);
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(h, &dcb))
        return false;
    dcb.BaudRate = line.speed;
    dcb.ByteSize = static_cast<BYTE>(line.data_bits);
    dcb.Parity = line.parity ? EVENPARITY : NOPARITY;
    dcb.fParity = line.parity ? TRUE : FALSE;
    dcb.StopBits = line.stop_bits == 2 ? TWOSTOPBITS : ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fOutX = line.xon_xoff ? TRUE : FALSE;
    dcb.fInX = line.xon_xoff ? TRUE : FALSE;
    dcb.fOutxCtsFlow = line.cts_flow ? TRUE : FALSE;
    dcb.fOutxDsrFlow = line.dsr_flow ? TRUE : FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fDtrControl = line.dtr_on ? DTR_CONTROL_ENABLE : DTR_CONTROL_DISABLE;
    dcb.fRtsControl = line.rts_on ? RTS_CONTROL_ENABLE : RTS_CONTROL_DISABLE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
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

serial_open_result reason(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_UNIT:
    case ERROR_DEV_NOT_EXIST:
        return SERIAL_NOT_PRESENT;
    case ERROR_SHARING_VIOLATION:
    case ERROR_BUSY:
        return SERIAL_IN_USE;
    case ERROR_ACCESS_DENIED:
        return SERIAL_ACCESS_DENIED;
    default:
        return SERIAL_OPEN_FAILED;
    }
}

HANDLE handle_of(const serial_port& port) {
    return reinterpret_cast<HANDLE>(port.handle); // NOLINT(performance-no-int-to-ptr)
}
} // namespace

serial_open_outcome serial_open(serial_port& port, const char* name, const line_settings& line) {
    (void)serial_close(port); // never an open handle overwritten
    HANDLE h = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return {reason(error), error};
    }
    if (configure(h, line)) {
        port.handle = reinterpret_cast<std::intptr_t>(h);
        return {SERIAL_OPENED, 0};
    }
    // A device that cannot take the line settings is of no use and would stay
    // locked against every later open: let it go.
    const DWORD error = GetLastError();
    CloseHandle(h);
    return {SERIAL_SETTINGS_REFUSED, error};
}

bool serial_close(serial_port& port) {
    if (port.handle == SERIAL_NONE)
        return false;
    const BOOL ok = CloseHandle(handle_of(port));
    port.handle = SERIAL_NONE;
    return ok != FALSE;
}

void serial_discard_input(serial_port& port) {
    if (port.handle != SERIAL_NONE)
        PurgeComm(handle_of(port), PURGE_RXCLEAR);
}

bool serial_write(serial_port& port, const std::uint8_t* bytes, std::size_t count) {
    if (port.handle == SERIAL_NONE)
        return false;
    DWORD written = 0;
    // A write that took fewer bytes than it was given has failed too.
    BOOL ok = WriteFile(handle_of(port), bytes, static_cast<DWORD>(count), &written, nullptr);
    return ok && written == count;
}

bool serial_read(serial_port& port, std::uint8_t* buffer, std::size_t capacity, std::size_t* got) {
    *got = 0;
    if (port.handle == SERIAL_NONE)
        return false;
    DWORD n = 0;
    BOOL ok = ReadFile(handle_of(port), buffer, static_cast<DWORD>(capacity), &n, nullptr);
    *got = ok ? n : 0;
    return ok != FALSE;
}
