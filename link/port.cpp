#include "port.h"

#include "link_state.h"
#include "profile.h"
#include "serial.h"
#include "system.h"
#include "trace.h"

#include <cctype>
#include <cstdio>
#include <string>

namespace {
// "tandor 1234 OPEN \\.\COM14 not present (system error 2)"
void trace_open(const char* name, const serial_open_outcome& outcome) {
    std::string text = std::string(name) + " " + serial_open_text(outcome.result);
    if (outcome.system_error != 0)
        text += " (system error " + std::to_string(outcome.system_error) + ")";
    trace_event("OPEN", text);
}
} // namespace

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
    int len = std::snprintf(out, size, "\\\\.\\COM%d", n);
    return len > 0 && static_cast<std::size_t>(len) < size;
}

line_settings port_line() {
    line_settings line;
    line.speed = profile_get().speed;
    return line;
}

bool port_open(int n) {
    char name[32];
    if (!port_device_name(n, name, sizeof name))
        return false;
    return port_open_device(name).result == SERIAL_OPENED;
}

serial_open_outcome port_open_device(const char* name) {
    const program_profile& p = profile_get();
    if (p.open_wait_ms > 0)
        sys_sleep_ms(p.open_wait_ms);
    const serial_open_outcome outcome = serial_open(name, port_line());
    trace_open(name, outcome);
    if (p.open_wait_ms > 0)
        sys_sleep_ms(p.open_wait_ms);
    return outcome;
}

bool port_close() {
    return serial_close();
}

void port_discard_input() {
    serial_discard_input();
}

bool port_write(const std::uint8_t* bytes, std::size_t count) {
    return serial_write(bytes, count);
}

bool port_read(std::uint8_t* buffer, std::size_t* got) {
    return serial_read(buffer, PORT_READ_SIZE, got);
}

bool port_open_flag() {
    return link_record().port_open;
}

bool configured_port_open(int n) {
    if (!port_open(n))
        return false;
    link_record().port_open = true;
    return true;
}

void configured_port_close() {
    if (link_record().port_open && port_close())
        link_record().port_open = false;
}

void set_port_open_flag(bool open) {
    link_record().port_open = open;
}
