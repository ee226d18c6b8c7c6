#include "station_ops.h"

#include "config_check.h"
#include "link_texts.h"
#include "settings.h"
#include "station_config.h"
#include "system.h"
#include "velmor_texts.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {
const std::uint8_t CR = 0x0D;

// One command: its letter, data and CR, written from the command buffer.
// False when the port did not take it.
bool send(device_link& link, std::uint8_t* buffer, const std::string& command) {
    std::size_t n = command.size() < PORT_READ_SIZE - 1 ? command.size() : PORT_READ_SIZE - 1;
    // Bytes into a fixed place of a longer buffer, not a text of their own.
    // NOLINTNEXTLINE(bugprone-not-null-terminated-result)
    std::memcpy(buffer, command.data(), n);
    buffer[n] = CR;
    const bool written = link_write(link, buffer, n + 1);
    link_trace(link, "TX", buffer, n + 1, written ? "sent" : "write failed");
    return written;
}

// One answer into the command buffer. Bytes past what came are cleared, so
// that a silent station is not taken for one that echoed the query.
std::size_t receive(device_link& link, std::uint8_t* buffer) {
    std::memset(buffer, 0, PORT_READ_SIZE);
    std::size_t got = 0;
    if (!link_read(link, buffer, &got))
        got = 0;
    link_trace(link, "RX", buffer, got, got ? "reply" : "no reply");
    return got;
}

outcome station_outcome(result what, int text, std::string detail = "") {
    outcome o;
    o.what = what;
    o.caption = VT_CAPTION_ERROR;
    o.text = text;
    o.detail = std::move(detail);
    return o;
}

// An answer the tool does not read: its first four bytes, told as "Debug:"
// and their hex.
outcome unread_answer(device_link& link, const std::uint8_t* bytes) {
    outcome o = station_outcome(result::unread_answer, LT_DEBUG);
    o.bytes.assign(bytes, bytes + 4);
    return tell(link, o);
}

outcome port_failed(device_link& link) {
    return tell(link, station_outcome(result::no_port, VT_MSG_PORT));
}

// The port of one operation: opened for it and closed once, where the
// operation's order puts it, or at the latest on the way out of the
// operation, whatever path it takes.
class operation_port {
  public:
    explicit operation_port(device_link& link) : link_(link) {}
    operation_port(const operation_port&) = delete;
    operation_port& operator=(const operation_port&) = delete;
    ~operation_port() { close(); }
    [[nodiscard]] bool open(const station_line& port) {
        return port.device ? link_open_device(link_, port.device).result == SERIAL_OPENED
                           : link_open(link_, port.number);
    }
    void close() {
        if (link_is_open(link_))
            (void)link_close(link_);
    }
    device_link& link() { return link_; }

  private:
    device_link& link_;
};

// Every operation first stores the port it is given as the setting; with no
// entry chosen (0) nothing is stored, so a stored port beyond the list is
// kept. A device named by the companion is not the form's setting.
void remember_port(const station_line& port) {
    if (!port.device && port.number >= 1)
        settings_set_port(port.number);
}

// One query: written, and its answer read into the buffer (*got bytes).
// What the station sent before and nobody read (an "OK" after each set
// command, a late answer) is dropped first: it answers no question of
// this one. False when the port did not take the query.
bool ask(device_link& link, std::uint8_t* buffer, const std::string& query, std::size_t* got) {
    link_discard_input(link);
    if (!send(link, buffer, query))
        return false;
    *got = receive(link, buffer);
    return true;
}

// A command the port did not take (the adapter pulled out, the line gone)
// ends the operation there: nothing more is sent, the form comes back and the
// technician is told, rather than the operation ending as if it had worked.
outcome communication_failed(operation_port& port, station_observer* observer) {
    port.close();
    outcome o = tell(port.link(), station_outcome(result::send_failed, VT_MSG_COMMUNICATION));
    if (observer) // the buttons come back once the box is gone
        observer->busy(false);
    return o;
}

// How a query of the Read ended: answered, an answer that ends the Read (a
// socket answer that is not one), a query the port did not take, no answer
// at all.
enum socket_read { SOCKET_READ, SOCKET_ANSWER_REFUSED, SOCKET_SEND_FAILED, SOCKET_SILENT };

// Asks socket n (0 or 1) into *s (which holds what the form shows). The Read
// ends unless the socket was read.
socket_read read_socket(device_link& link, std::uint8_t* buffer, int n, socket_config* s,
                        station_observer& observer) {
    const char digit = static_cast<char>('1' + n);
    const std::string query = std::string("P") + digit;
    std::size_t got = 0;
    if (!ask(link, buffer, query, &got))
        return SOCKET_SEND_FAILED;
    if (got == 0)
        return SOCKET_SILENT;
    observer.answered(query.c_str(), buffer, got);
    const socket_reply taken = decode_socket_reply(buffer, got, digit, s);
    if (taken == SOCKET_REPLY_REFUSED) {
        (void)unread_answer(link, buffer);
        return SOCKET_ANSWER_REFUSED;
    }
    if (taken == SOCKET_REPLY_BAD_CURRENTS) // the currents left empty, for the technician to type
        (void)unread_answer(link, buffer + SOCKET_ANSWER_METER_AT);
    return SOCKET_READ;
}

// What a Read took from the station; the form is told only once the Read
// ends, so that a station that falls silent half-way leaves it as it was.
struct read_result {
    bool has_language = false;
    int language = 0;
    bool has_count = false;
    bool two_sockets = false;
    int mode = MODE_SIMULTANEOUS;
    int sockets_read = 0;
    socket_config sockets[2];
};

void report(const read_result& r, station_observer& observer) {
    if (r.has_language)
        observer.language_read(r.language);
    // A two-socket answer switches socket 2 on, as ticking the box would:
    // after a Read of a one-socket station the box is off, and a Write would
    // otherwise turn this station into a one-socket one.
    if (r.has_count)
        observer.count_read(r.two_sockets, r.mode);
    for (int n = 0; n < r.sockets_read; ++n)
        observer.socket_read(n, r.sockets[n]);
}

// Both sockets into *r, with their progress; the first that was not read
// ends it. A station that counted one socket may say nothing of socket 2:
// its controls then keep what they held, and what was read stays.
socket_read read_sockets(device_link& link, std::uint8_t* buffer, const station_config& shown,
                         read_result* r, station_observer& observer) {
    for (int n = 0; n < 2; ++n) {
        r->sockets[n] = shown.sockets[n];
        const socket_read result = read_socket(link, buffer, n, &r->sockets[n], observer);
        const bool one_socket = r->has_count && !r->two_sockets;
        if (result == SOCKET_SILENT && n == 1 && one_socket)
            break;
        if (result != SOCKET_READ)
            return result;
        r->sockets_read = n + 1;
        observer.progress(5 + n);
    }
    return SOCKET_READ;
}

// A Read or a Write starts: the form busy at step 0 and the port opened; one
// that does not open gets the port box and the form back.
bool start(operation_port& line, const station_line& port, station_observer& observer) {
    observer.busy(true);
    remember_port(port);
    if (line.open(port))
        return true;
    (void)port_failed(line.link());
    observer.busy(false);
    return false;
}

// The Read, or the Write's check, ended by a station that answered nothing.
outcome station_silent(operation_port& port, station_observer& observer) {
    port.close();
    outcome o = tell(port.link(), station_outcome(result::silent, VT_MSG_NO_ANSWER));
    observer.busy(false);
    return o;
}

// The language answer: "L=" and a pair (an unknown pair leaves no entry
// chosen); otherwise the Debug box, and a known pair without the "L=" is
// still taken. Anything else leaves the list as it was.
void take_language(device_link& link, const std::uint8_t* buffer, std::size_t got, read_result* r) {
    if (read_language_answer(buffer, got, &r->language)) {
        r->has_language = true;
        return;
    }
    (void)unread_answer(link, buffer);
    r->language = station_language_of(static_cast<char>(buffer[0]), static_cast<char>(buffer[1]));
    r->has_language = r->language != LIST_UNSET;
}

// The count answer: one socket, or two of either mode; any other value gets
// the Debug box and changes nothing.
void take_count(device_link& link, const std::uint8_t* buffer, std::size_t got, read_result* r) {
    if (!read_socket_count(buffer, got, &r->two_sockets, &r->mode)) {
        (void)unread_answer(link, buffer);
        return;
    }
    r->has_count = true;
}

std::string bytes3(char letter, int a, int b, int c) {
    std::string s(1, letter);
    s += static_cast<char>(bcd_byte(a));
    s += static_cast<char>(bcd_byte(b));
    s += static_cast<char>(bcd_byte(c));
    return s;
}
} // namespace

namespace {
// One query of the Read: asked, its answer reported as it came and taken;
// false with *ended when the Read ends there.
bool read_query(device_link& link, std::uint8_t* buffer, const char* query,
                void (*take)(device_link&, const std::uint8_t*, std::size_t, read_result*),
                read_result* r, station_observer& observer, socket_read* ended) {
    std::size_t got = 0;
    if (!ask(link, buffer, query, &got)) {
        *ended = SOCKET_SEND_FAILED;
        return false;
    }
    if (got == 0) {
        *ended = SOCKET_SILENT;
        return false;
    }
    observer.answered(query, buffer, got);
    take(link, buffer, got, r);
    return true;
}

// The Read's queries in their order, with their pauses and progress, into *r.
socket_read ask_station(device_link& link, std::uint8_t* buffer, const station_config& shown,
                        read_result* r, station_observer& observer) {
    socket_read ended = SOCKET_READ;
    if (!read_query(link, buffer, "L", take_language, r, observer, &ended))
        return ended;
    observer.progress(3);
    sys_sleep_ms(PAUSE_BETWEEN_MS);
    if (!read_query(link, buffer, "N", take_count, r, observer, &ended))
        return ended;
    observer.progress(4);
    return read_sockets(link, buffer, shown, r, observer);
}
} // namespace

outcome station_read(device_link& link, const station_line& port, const station_config& shown,
                     station_observer& observer) {
    std::uint8_t buffer[PORT_READ_SIZE] = {};
    operation_port line(link);
    if (!start(line, port, observer))
        return station_outcome(result::no_port, VT_MSG_PORT);
    read_result r;
    switch (ask_station(link, buffer, shown, &r, observer)) {
    case SOCKET_SEND_FAILED:
        return communication_failed(line, &observer);
    case SOCKET_SILENT:
        return station_silent(line, observer);
    case SOCKET_ANSWER_REFUSED: // what the earlier answers set stays
        report(r, observer);
        line.close();
        observer.busy(false);
        return station_outcome(result::unread_answer, LT_DEBUG);
    case SOCKET_READ:
        break;
    }
    report(r, observer);
    observer.progress(PROGRESS_STEPS);
    sys_sleep_ms(PAUSE_BEFORE_CLOSE_MS);
    line.close();
    observer.busy(false);
    return done_outcome();
}

namespace {
// How the Write's check ended: every question answered, a question the
// station did not answer (the check stops there: a silent station says
// nothing of what it holds), a question the port did not take.
enum check_outcome { CHECK_ANSWERED, CHECK_SILENT, CHECK_SEND_FAILED };

check_outcome check_ask(device_link& link, std::uint8_t* buffer, const std::string& query,
                        std::size_t* got) {
    if (!ask(link, buffer, query, got))
        return CHECK_SEND_FAILED;
    return *got ? CHECK_ANSWERED : CHECK_SILENT;
}

// After a Write: the station asked back with the Read's queries and pauses,
// each answer compared with what was sent. *differs: the parts that differ,
// for the box, "" when the station holds the Write.
check_outcome check_written(device_link& link, std::uint8_t* buffer, const station_config& c,
                            std::string* differs) {
    std::vector<std::string> parts;
    std::size_t got = 0;
    sys_sleep_ms(PAUSE_BEFORE_CHECK_MS); // the station takes the closing command
    if (const check_outcome o = check_ask(link, buffer, "L", &got); o != CHECK_ANSWERED)
        return o;
    int language = LIST_UNSET;
    if (!read_language_answer(buffer, got, &language) || language != c.station_language)
        parts.push_back(vtext(VT_PART_LANGUAGE));
    sys_sleep_ms(PAUSE_BETWEEN_MS);

    if (const check_outcome o = check_ask(link, buffer, "N", &got); o != CHECK_ANSWERED)
        return o;
    // The count answer is the hexadecimal reading of the count command's code.
    const unsigned long sent =
        std::strtoul(encode_socket_count(c.two_sockets, c.operating_mode), nullptr, 16);
    unsigned long count = 0;
    if (!read_count_answer(buffer, got, &count) || count != sent)
        parts.push_back(vtext(VT_PART_COUNT));

    for (int n = 0; n < 2; ++n) { // both asked, as the Read does
        const char digit = static_cast<char>('1' + n);
        const bool compared = n == 0 || c.two_sockets;
        const check_outcome o = check_ask(link, buffer, std::string("P") + digit, &got);
        if (o == CHECK_SILENT && !compared)
            break; // a one-socket station may say nothing of socket 2
        if (o != CHECK_ANSWERED)
            return o;
        const std::string block = encode_socket_block(c.sockets[n]);
        const bool held =
            got >= SOCKET_ANSWER_SIZE && buffer[0] == 'P' &&
            buffer[1] == static_cast<std::uint8_t>(digit) &&
            std::memcmp(buffer + SOCKET_ANSWER_BLOCK_AT, block.data(), block.size()) == 0;
        if (compared && !held)
            parts.push_back(vtext_with(VT_PART_SOCKET_N, n + 1));
    }
    differs->clear();
    for (const std::string& part : parts)
        *differs += (differs->empty() ? "" : ", ") + part;
    return CHECK_ANSWERED;
}
} // namespace

namespace {
// The Write's commands with their pauses and progress, up to the closing
// command. False at the first command the port did not take.
bool send_configuration(device_link& link, std::uint8_t* buffer, const station_config& c,
                        const checked_datetime& dt, station_observer& observer) {
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
        if (!step.command.empty() && !send(link, buffer, step.command))
            return false;
        if (!step.command.empty() || step.progress_when_skipped)
            observer.progress(step.progress);
        sys_sleep_ms(step.pause_ms);
    }
    return send(link, buffer, "A00000000");
}
} // namespace

outcome station_write(device_link& link, const station_line& port, const station_config& c,
                      station_observer& observer) {
    checked_datetime dt;
    check_failure failure;
    if (!config_check(c, &dt, &failure)) {
        outcome refused = station_outcome(result::refused, 0, failure.text);
        refused.caption = failure.caption_row;
        return tell(link, refused);
    }

    std::uint8_t buffer[PORT_READ_SIZE] = {};
    operation_port line(link);
    if (!start(line, port, observer))
        return station_outcome(result::no_port, VT_MSG_PORT);
    if (!send_configuration(link, buffer, c, dt, observer))
        return communication_failed(line, &observer);
    observer.progress(PROGRESS_STEPS);
    // A Write ends as a good one only when the station holds it.
    std::string differs;
    switch (check_written(link, buffer, c, &differs)) {
    case CHECK_SEND_FAILED:
        return communication_failed(line, &observer);
    case CHECK_SILENT: // neither held nor not held: nobody can tell
        return station_silent(line, observer);
    case CHECK_ANSWERED:
        break;
    }
    if (differs.empty()) {
        observer.busy(false);
        sys_sleep_ms(PAUSE_BEFORE_CLOSE_MS);
        line.close();
        return done_outcome();
    }
    // The form comes back once the technician has read what differs.
    sys_sleep_ms(PAUSE_BEFORE_CLOSE_MS);
    line.close();
    outcome o = tell(link, station_outcome(result::not_held, VT_MSG_NOT_HELD, differs));
    observer.busy(false);
    return o;
}

outcome station_reboot(device_link& link, const station_line& port) {
    remember_port(port);
    operation_port line(link);
    if (!line.open(port))
        return port_failed(link);
    std::uint8_t buffer[PORT_READ_SIZE] = {};
    sys_sleep_ms(PAUSE_AFTER_OPEN_MS);
    if (!send(link, buffer, "R"))
        return communication_failed(line, nullptr);
    sys_sleep_ms(PAUSE_BEFORE_CLOSE_MS);
    line.close();
    return done_outcome();
}
