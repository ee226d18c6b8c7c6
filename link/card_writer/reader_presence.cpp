#include "reader_presence.h"

#include "port.h"
#include "serial.h"
#include "settings.h"
#include "system.h"

#include <cstdint>

namespace {
enum { RETRY_EVERY_MS = 1000 };

struct presence {
    bool away = false;
    std::int64_t last_try_ms = 0;
};
presence g_presence;

// The device can be opened again: tried without the profile's waits, so
// that a reader still away does not hold the window for seconds each time.
bool device_there(int port) {
    char name[32];
    if (!port_device_name(port, name, sizeof name) ||
        serial_open(name, port_line()).result != SERIAL_OPENED)
        return false;
    serial_close();
    return true;
}
} // namespace

void reader_check_gone(exchange result) {
    if (result != exchange::write_failed || !port_open_flag())
        return;
    configured_port_close();
    g_presence.away = true;
    g_presence.last_try_ms = sys_now_ms();
}

bool reader_try_back() {
    if (!g_presence.away)
        return false;
    const std::int64_t now = sys_now_ms();
    if (now - g_presence.last_try_ms < RETRY_EVERY_MS)
        return false;
    g_presence.last_try_ms = now;
    if (!device_there(settings_port()) || !configured_port_open(settings_port()))
        return false;
    g_presence.away = false;
    return true;
}

void reader_stop_retrying() {
    g_presence.away = false;
}

bool reader_away() {
    return g_presence.away;
}
