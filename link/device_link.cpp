#include "device_link.h"

#include "port.h"
#include "system.h"
#include "trace.h"

#include <string>

namespace {
// "tandor 1234 OPEN \\.\COM14 not present (system error 2)"
void trace_open(const device_link& link, const char* name, const serial_open_outcome& o) {
    std::string text = std::string(name) + " " + serial_open_text(o.result);
    if (o.system_error != 0)
        text += " (system error " + std::to_string(o.system_error) + ")";
    trace_event(link.profile.name, "OPEN", text);
}
} // namespace

bool link_is_open(const device_link& link) {
    return link.port.handle != SERIAL_NONE;
}

outcome tell(device_link& link, outcome o) {
    if (link.seat && !o.done())
        link.seat->tell(o);
    return o;
}

line_settings link_line(const device_link& link) {
    line_settings line;
    line.speed = link.profile.speed;
    return line;
}

bool link_open(device_link& link, int n) {
    char name[32];
    if (!port_device_name(n, name, sizeof name))
        return false;
    return link_open_device(link, name).result == SERIAL_OPENED;
}

serial_open_outcome link_open_device(device_link& link, const char* name) {
    const int wait = link.profile.open_wait_ms;
    link.device = name;
    if (wait > 0)
        sys_sleep_ms(wait);
    const serial_open_outcome o = serial_open(link.port, name, link_line(link));
    trace_open(link, name, o);
    if (wait > 0)
        sys_sleep_ms(wait);
    return o;
}

bool link_close(device_link& link) {
    return serial_close(link.port);
}

void link_discard_input(device_link& link) {
    serial_discard_input(link.port);
}

bool link_write(device_link& link, const std::uint8_t* bytes, std::size_t count) {
    return serial_write(link.port, bytes, count);
}

bool link_read(device_link& link, std::uint8_t* buffer, std::size_t* got) {
    const std::size_t most = PORT_READ_SIZE;
    const std::size_t size = link.read_size < most ? link.read_size : most;
    return serial_read(link.port, buffer, size, got);
}

void link_trace(const device_link& link, const char* direction, const std::uint8_t* bytes,
                std::size_t count, const char* outcome_text) {
    trace_bytes(link.profile.name, direction, bytes, count, outcome_text);
}

void link_gone(device_link& link) {
    if (!link_is_open(link))
        return;
    (void)link_close(link);
    link.away = true;
    link.last_try_ms = sys_now_ms();
}

bool link_try_back(device_link& link) {
    if (!link.away || link.device.empty())
        return false;
    const std::int64_t now = sys_now_ms();
    if (now - link.last_try_ms < LINK_RETRY_EVERY_MS)
        return false;
    link.last_try_ms = now;
    serial_port probe;
    if (serial_open(probe, link.device.c_str(), link_line(link)).result != SERIAL_OPENED)
        return false;
    (void)serial_close(probe);
    const std::string device = link.device;
    if (link_open_device(link, device.c_str()).result != SERIAL_OPENED)
        return false;
    link.away = false;
    return true;
}

void link_stop_retrying(device_link& link) {
    link.away = false;
}
