#include "station_ops.h"

#include "config_check.h"
#include "message_box.h"
#include "port.h"
#include "settings.h"
#include "station_config.h"
#include "system.h"
#include "trace.h"
#include "velmor_texts.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {
const std::uint8_t CR = 0x0D;

// One command: its letter, data and CR, written from the command buffer.
// False when the port did not take it.
bool send(std::uint8_t* buffer, const std::string& command) {
    std::size_t n = command.size() < PORT_READ_SIZE - 1 ? command.size() : PORT_READ_SIZE - 1;
    // Bytes into a fixed place of a longer buffer, not a text of their own.
    // NOLINTNEXTLINE(bugprone-not-null-terminated-result)
    std::memcpy(buffer, command.data(), n);
    buffer[n] = CR;
    const bool written = port_write(buffer, n + 1);
    trace_bytes("TX", buffer, n + 1, written ? "sent" : "write failed");
    return written;
}

// One answer into the command buffer. Bytes past what came are cleared, so
// that a silent station is not taken for one that echoed the query.
std::size_t receive(std::uint8_t* buffer) {
    std::memset(buffer, 0, PORT_READ_SIZE);
    std::size_t got = 0;
    if (!port_read(buffer, &got))
        got = 0;
    trace_bytes("RX", buffer, got, got ? "reply" : "no reply");
    return got;
}

void debug_box(const std::uint8_t* bytes) {
    char text[64];
    std::snprintf(text, sizeof text, "Debug: %02x %02x %02x %02x", bytes[0], bytes[1], bytes[2],
                  bytes[3]);
    message_box(vtext(VT_CAPTION_ERROR), text);
}

void port_box() {
    message_box(vtext(VT_CAPTION_ERROR), vtext(VT_MSG_PORT));
}

// A command the port did not take (the adapter pulled out, the line gone)
// ends the operation there: nothing more is sent, the form comes back and the
// technician is told, rather than the operation ending as if it had worked.
void communication_failed(station_observer* observer) {
    port_close();
    if (observer)
        observer->busy(false);
    message_box(vtext(VT_CAPTION_ERROR), vtext(VT_MSG_COMMUNICATION));
}

// Stores the port number as the setting and opens it. With no entry chosen
// (0) nothing is stored: a stored port beyond the list is kept.
bool open_port(int port) {
    if (port < 1)
        return false;
    settings_set_port(port);
    return port_open(settings_port());
}

// Results of read_socket.
enum socket_read { SOCKET_READ, SOCKET_ANSWER_REFUSED, SOCKET_SEND_FAILED };

// Asks socket n (0 or 1) and reports it. The Read ends unless the socket was
// read.
socket_read read_socket(std::uint8_t* buffer, int n, socket_config s, station_observer& observer) {
    const char digit = static_cast<char>('1' + n);
    if (!send(buffer, std::string("P") + digit))
        return SOCKET_SEND_FAILED;
    std::size_t got = receive(buffer);
    int result = decode_socket_reply(buffer, got, digit, &s);
    if (result == SOCKET_REPLY_REFUSED) {
        debug_box(buffer);
        return SOCKET_ANSWER_REFUSED;
    }
    if (result == SOCKET_REPLY_BAD_CURRENTS)
        debug_box(buffer + 8); // the currents keep what the form had
    observer.socket_read(n, s);
    return SOCKET_READ;
}

std::string bytes3(char letter, int a, int b, int c) {
    std::string s(1, letter);
    s += static_cast<char>(bcd_byte(a));
    s += static_cast<char>(bcd_byte(b));
    s += static_cast<char>(bcd_byte(c));
    return s;
}
} // namespace

void station_read(int port, const station_config& shown, station_observer& observer) {
    std::uint8_t buffer[PORT_READ_SIZE] = {};
    observer.busy(true);
    if (!open_port(port)) {
        port_box();
        observer.busy(false);
        return;
    }

    if (!send(buffer, "L")) {
        communication_failed(&observer);
        return;
    }
    std::size_t got = receive(buffer);
    int language = 0;
    if (!read_language_answer(buffer, got, &language)) {
        debug_box(buffer);
        language = station_language_of(static_cast<char>(buffer[0]), static_cast<char>(buffer[1]));
    }
    observer.language_read(language);
    observer.progress(3);
    sys_sleep_ms(PAUSE_BETWEEN_MS);

    if (!send(buffer, "N")) {
        communication_failed(&observer);
        return;
    }
    got = receive(buffer);
    unsigned long count = 0;
    if (!read_count_answer(buffer, got, &count)) {
        debug_box(buffer);
        count = 1;
    }
    // A two-socket answer switches socket 2 on, as ticking the box would:
    // after a Read of a one-socket station the box is off, and a Write would
    // otherwise turn this station into a one-socket one.
    const bool two = count == 0x2A || count == 0x2C;
    observer.count_read(two, count == 0x2A ? MODE_ALTERNATE : MODE_SIMULTANEOUS);
    observer.progress(4);

    for (int n = 0; n < 2; ++n) {
        socket_read r = read_socket(buffer, n, shown.sockets[n], observer);
        if (r == SOCKET_SEND_FAILED) {
            communication_failed(&observer);
            return;
        }
        if (r != SOCKET_READ) {
            port_close();
            observer.busy(false);
            return;
        }
        observer.progress(5 + n);
    }
    observer.progress(PROGRESS_STEPS);
    sys_sleep_ms(PAUSE_BEFORE_CLOSE_MS);
    port_close();
    observer.busy(false);
}

void station_write(int port, const station_config& c, station_observer& observer) {
    checked_datetime dt;
    check_failure failure;
    if (!config_check(c, &dt, &failure)) {
        message_box(vtext(failure.caption_row), failure.text.c_str());
        return;
    }

    std::uint8_t buffer[PORT_READ_SIZE] = {};
    observer.busy(true);
    if (!open_port(port)) {
        port_box();
        observer.busy(false);
        return;
    }
    sys_sleep_ms(PAUSE_AFTER_OPEN_MS);
    // Each step: its command (none when empty), the progress it reaches (the
    // date and time only when sent, socket 2's step either way) and the
    // pause after it.
    const struct {
        std::string command;
        int progress;
        bool progress_when_skipped;
        int pause_ms;
    } steps[] = {
        // Deliberate: the station keeps two year digits, so the year 2100,
        // which the checks accept, goes out as 00.
        {dt.has_date ? bytes3('D', dt.year % 100, dt.month, dt.day) : "", 1, false,
         PAUSE_BETWEEN_MS},
        {dt.has_time ? bytes3('O', dt.hour, dt.minute, dt.second) : "", 2, false, PAUSE_BETWEEN_MS},
        {std::string("L") + encode_station_language(c.station_language), 3, false,
         PAUSE_BETWEEN_MS},
        {std::string("N") + encode_socket_count(c.two_sockets, c.operating_mode), 4, false,
         PAUSE_BETWEEN_MS},
        {"P1" + encode_socket_block(c.sockets[0]), 5, false, PAUSE_AFTER_SOCKET_1_MS},
        {c.two_sockets ? "P2" + encode_socket_block(c.sockets[1]) : "", 6, true, PAUSE_BETWEEN_MS},
    };
    for (const auto& step : steps) {
        if (!step.command.empty() && !send(buffer, step.command)) {
            communication_failed(&observer);
            return;
        }
        if (!step.command.empty() || step.progress_when_skipped)
            observer.progress(step.progress);
        sys_sleep_ms(step.pause_ms);
    }
    if (!send(buffer, "A00000000")) {
        communication_failed(&observer);
        return;
    }
    observer.progress(PROGRESS_STEPS);
    observer.busy(false);
    sys_sleep_ms(PAUSE_BEFORE_CLOSE_MS);
    port_close();
}

void station_reboot(int port) {
    if (!open_port(port)) {
        port_box();
        return;
    }
    std::uint8_t buffer[PORT_READ_SIZE] = {};
    sys_sleep_ms(PAUSE_AFTER_OPEN_MS);
    if (!send(buffer, "R")) {
        communication_failed(nullptr);
        return;
    }
    sys_sleep_ms(PAUSE_BEFORE_CLOSE_MS);
    port_close();
}
