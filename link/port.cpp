#include "port.h"

#include "profile.h"
#include "serial.h"
#include "system.h"

#include <cstdio>

namespace {
bool g_port_open = false;
}

bool port_device_name(int n, char* out, std::size_t size) {
    if (n < 1 || size == 0)
        return false;
    int len = std::snprintf(out, size, "%s%d", profile_get().port_name_prefix, n);
    return len > 0 && static_cast<std::size_t>(len) < size;
}

bool port_open(int n) {
    const program_profile& p = profile_get();
    char name[32];
    if (!port_device_name(n, name, sizeof name))
        return false;
    if (p.open_wait_ms > 0)
        sys_sleep_ms(p.open_wait_ms);
    bool opened = serial_open(name, p.speed);
    if (p.open_wait_ms > 0)
        sys_sleep_ms(p.open_wait_ms);
    return opened;
}

bool port_close() {
    return serial_close();
}

bool port_write(const std::uint8_t* bytes, std::size_t count) {
    return serial_write(bytes, count);
}

bool port_read(std::uint8_t* buffer, std::size_t* got) {
    return serial_read(buffer, PORT_READ_SIZE, got);
}

bool port_open_flag() {
    return g_port_open;
}

void set_port_open_flag(bool open) {
    g_port_open = open;
}
