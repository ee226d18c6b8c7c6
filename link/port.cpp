#include "port.h"

#include "profile.h"
#include "serial.h"
#include "system.h"

#include <cstdio>

int port_device_name(int n, char* out, std::size_t size) {
    if (n < 1 || size == 0)
        return -1;
    int len = std::snprintf(out, size, "%s%d", profile_get().port_name_prefix, n);
    return (len > 0 && static_cast<std::size_t>(len) < size) ? 0 : -1;
}

int port_open(int n) {
    const program_profile& p = profile_get();
    char name[32];
    if (port_device_name(n, name, sizeof name) != 0)
        return 0;
    if (p.open_wait_ms > 0)
        sys_sleep_ms(p.open_wait_ms);
    int opened = serial_open(name, p.speed);
    if (p.open_wait_ms > 0)
        sys_sleep_ms(p.open_wait_ms);
    return opened;
}

int port_close() {
    return serial_close();
}

int port_write(const std::uint8_t* bytes, std::size_t count) {
    return serial_write(bytes, count);
}

int port_read_counted(std::uint8_t* buffer, std::size_t* got) {
    return serial_read(buffer, PORT_READ_SIZE, got);
}

int port_read(std::uint8_t* buffer) {
    std::size_t got = 0;
    return port_read_counted(buffer, &got);
}
