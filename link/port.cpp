#include "port.h"

#include <cctype>
#include <cstdio>

std::string com_name(int n) {
    return "COM" + std::to_string(n);
}

const char* serial_open_text(serial_open_result result) {
    switch (result) {
    case SERIAL_OPENED:
        return "opened";
    case SERIAL_NOT_PRESENT:
        return "not present";
    case SERIAL_IN_USE:
        return "in use by another program";
    case SERIAL_ACCESS_DENIED:
        return "access denied (or in use by another program)";
    case SERIAL_SETTINGS_REFUSED:
        return "line settings refused";
    case SERIAL_OPEN_FAILED:
        break;
    }
    return "could not be opened";
}

bool com_typed_port(const char* text, int* port) {
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        ++p;
    if (std::toupper(static_cast<unsigned char>(p[0])) == 'C' &&
        std::toupper(static_cast<unsigned char>(p[1])) == 'O' &&
        std::toupper(static_cast<unsigned char>(p[2])) == 'M')
        p += 3;
    int value = 0;
    int digits = 0;
    for (; std::isdigit(static_cast<unsigned char>(*p)) && digits < 4; ++p, ++digits)
        value = value * 10 + (*p - '0');
    while (*p == ' ' || *p == '\t')
        ++p;
    if (digits == 0 || *p != '\0' || value < 1 || value > COM_TYPED_PORT_MAX)
        return false;
    *port = value;
    return true;
}

bool port_device_name(int n, char* out, std::size_t size) {
    if (n < 1 || size == 0)
        return false;
    // The device-namespace name reaches every port number; the plain "COM10"
    // and above is refused by Windows.
    int len = std::snprintf(out, size, "\\\\.\\%s", com_name(n).c_str());
    return len > 0 && static_cast<std::size_t>(len) < size;
}
