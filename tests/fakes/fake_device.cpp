#include "fake_device.h"

#include "box_teller.h"
#include "serial.h"
#include "system.h"

#include <algorithm>
#include <cstring>

namespace fake {

std::vector<std::string>& events() {
    static std::vector<std::string> e;
    return e;
}

std::vector<std::string> events_of(const std::string& kind) {
    std::vector<std::string> out;
    for (const std::string& e : events())
        if (e.compare(0, kind.size() + 1, kind + " ") == 0)
            out.push_back(e.substr(kind.size() + 1));
        else if (e == kind)
            out.push_back("");
    return out;
}

std::string log_text() {
    std::string out;
    for (const std::string& e : events())
        out += (out.empty() ? "" : "; ") + e;
    return out;
}

device& dev() {
    static device d;
    return d;
}

void reset() {
    dev() = device();
    events().clear();
}

void script_read(const bytes& data, int ms) {
    dev().reads.emplace_back(data, ms, false);
}

void script_read_fail(int ms) {
    dev().reads.emplace_back(fake::bytes{}, ms, true);
}

void open(device_link& link) {
    link.port.handle = OPEN_HANDLE;
    link.device = "\\\\.\\COM1";
    dev().is_open = true;
}

void recording_teller::tell(const outcome& o) {
    told.push_back(o);
    box_teller(text_).tell(o); // the window's own, onto the fake message box
}

std::string hex(const bytes& data) {
    static const char digits[] = "0123456789ABCDEF";
    std::string s;
    for (std::uint8_t b : data) {
        if (!s.empty())
            s += ' ';
        s += digits[b >> 4];
        s += digits[b & 15];
    }
    return s;
}

} // namespace fake

using fake::dev;
using fake::events;

serial_open_outcome serial_open(serial_port& port, const char* name, const line_settings& line) {
    if (port.handle != SERIAL_NONE) // as the seams do: the device held is let go first
        (void)serial_close(port);
    events().push_back(std::string("open ") + name);
    dev().lines.push_back(line);
    if (dev().on_open)
        dev().on_open();
    dev().is_open = dev().open_succeeds;
    if (dev().open_succeeds)
        port.handle = fake::OPEN_HANDLE;
    return dev().open_succeeds ? serial_open_outcome{SERIAL_OPENED, 0} : dev().open_failure;
}

bool serial_close(serial_port& port) {
    events().push_back("close");
    const bool was_open = port.handle != SERIAL_NONE;
    port.handle = SERIAL_NONE;
    dev().is_open = false;
    return was_open;
}

bool serial_write(serial_port& /*port*/, const std::uint8_t* bytes, std::size_t count) {
    dev().writes.emplace_back(bytes, bytes + count);
    events().push_back("write " + fake::hex(dev().writes.back()));
    const int taken = static_cast<int>(dev().writes.size()) - 1;
    const bool gone = dev().writes_before_failing >= 0 && taken >= dev().writes_before_failing;
    return !dev().write_fails && !gone;
}

void serial_discard_input(serial_port& /*port*/) {
    dev().unread.clear();
    ++dev().discards;
}

bool serial_read(serial_port& /*port*/, std::uint8_t* buffer, std::size_t capacity,
                 std::size_t* got) {
    events().push_back("read");
    *got = 0;
    if (!dev().unread.empty()) {
        std::size_t n = std::min(capacity, dev().unread.size());
        std::memcpy(buffer, dev().unread.data(), n);
        dev().unread.erase(dev().unread.begin(), dev().unread.begin() + static_cast<long>(n));
        *got = n;
        return true;
    }
    if (dev().reads.empty()) { // the port's time-outs: 10 ms a byte asked for, 50 ms more
        dev().now += 50 + 10 * static_cast<std::int64_t>(capacity);
        dev().read_sizes.push_back(capacity);
        return true;
    }
    fake::read_step step = dev().reads.front();
    dev().reads.erase(dev().reads.begin());
    dev().now += step.ms;
    if (step.fail)
        return false;
    if (step.make)
        step.data = step.make();
    std::size_t n = std::min(capacity, step.data.size());
    if (n > 0)
        std::memcpy(buffer, step.data.data(), n);
    *got = n;
    return true;
}

void sys_sleep_ms(int ms) {
    events().push_back("sleep " + std::to_string(ms));
    dev().now += ms;
}

std::int64_t sys_now_ms() {
    return dev().now;
}

void sys_message_box(const char* caption, const char* text) {
    events().push_back(std::string("box ") + caption + "|" + text);
    if (dev().on_message) {
        auto during = dev().on_message;
        dev().on_message = nullptr;
        during();
    }
}

void sys_debug_output(const char* line) {
    dev().debug_lines.emplace_back(line);
}

local_time sys_local_time() {
    const fake::local_time_value& t = dev().local;
    return {t.year, t.month, t.day, t.hour, t.minute, t.second};
}
