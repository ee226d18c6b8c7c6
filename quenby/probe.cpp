#include "probe.h"

#include "companion_link.h"
#include "companion_texts.h"
#include "language.h"
#include "port.h"
#include "profile.h"
#include "profile_tandor.h"
#include "profile_velmor.h"
#include "reader.h"
#include "reader_frame.h"
#include "reader_words.h"
#include "station_config.h"
#include "station_ops.h"
#include "system.h"

#include <cstdint>
#include <cstdio>
#include <thread>

namespace {
// A probe asks at once and waits as long as the device needs, not the
// programs' whole bounds: a station's answer to a one-letter query and a
// reader's detect reply (21 bytes) come within tens of milliseconds, and a
// read of 24 bytes returns within 290 ms, so a silent line costs two reads.
enum { PROBE_READ_SIZE = 24, PROBE_REPLY_WAIT_MS = 200 };

device_link probe_link(const program_profile& program) {
    device_link link(companion_profile(program, false));
    link.read_size = PROBE_READ_SIZE;
    link.reply_wait_ms = PROBE_REPLY_WAIT_MS;
    return link;
}

bool open_as(device_link& link, const std::string& device, probe_result* failed) {
    const serial_open_outcome o = link_open_device(link, device.c_str());
    if (o.result == SERIAL_OPENED)
        return true;
    failed->found = probe_found::not_opened;
    failed->opened = o.result;
    return false;
}

// A reader is a device that answers the detect frame with a whole reply to
// it: SOH 'F' 'F', its verdict, "18", the status and UID the card writers
// read, ETX, the right check byte and CR. An echo of the frame, noise or a
// reply to another command is no reader. *answered is set when any bytes came.
bool ask_reader(device_link& link, probe_result* r, bool* answered) {
    std::uint8_t reply[LINK_REPLY_SIZE] = {};
    const exchange e = link_transact(link, reply, "18", "");
    *answered |= e != exchange::no_reply && e != exchange::write_failed && e != exchange::no_port;
    if (e != exchange::done && e != exchange::nak)
        return false;
    const std::size_t n = link_reply_count(reply);
    const byte_string bytes(reply + 1, reply + 1 + n);
    if (!reader_frame_fault(bytes).empty() || bytes[4] != '1' || bytes[5] != '8')
        return false;
    *r = probe_result();
    r->found = probe_found::card_reader;
    if (e == exchange::nak) {
        r->nak = true;
        return true;
    }
    if (bytes[3] != LINK_ACK)
        return false;
    char uid[READER_UID_CHARS + 1] = {};
    const int status = reader_status(reply);
    if (status == READER_CARD_PRESENT && reader_uid(reply, uid))
        r->uid = uid;
    return status == READER_NO_CARD || !r->uid.empty();
}

// One query and its answer, as the setup tool asks it; the answer's length.
std::size_t query(device_link& link, const char* letter, std::uint8_t* answer, std::size_t size) {
    link_discard_input(link);
    const std::uint8_t command[2] = {static_cast<std::uint8_t>(letter[0]), 0x0D};
    std::size_t got = 0;
    if (!link_write(link, command, sizeof command) || !link_read(link, answer, &got))
        return 0;
    return got < size ? got : size;
}

// "L=" and two capital letters, then the line's end alone: a station's
// answer, whichever language it names.
bool language_answer(const std::uint8_t* a, std::size_t n) {
    int index = 0;
    const auto capital = [](std::uint8_t c) { return c >= 'A' && c <= 'Z'; };
    if (n < 4 || !read_language_answer(a, n, &index) || !capital(a[2]) || !capital(a[3]))
        return false;
    for (std::size_t i = 4; i < n; ++i)
        if (a[i] != '\r' && a[i] != '\n')
            return false;
    return true;
}

// A station answers its language or its count query well-formed; anything
// else that came back is noted in *answered.
bool ask_station(device_link& link, probe_result* r, bool* answered) {
    std::uint8_t answer[PORT_READ_SIZE] = {};
    const std::size_t got = query(link, "L", answer, sizeof answer);
    *answered |= got > 0;
    const bool language = language_answer(answer, got);
    const std::string code = language ? std::string(reinterpret_cast<char*>(answer) + 2, 2) : "";
    if (got == 0)
        return false; // silent to its first query, as the setup tool's Read stops there
    bool two = false;
    int mode = 0;
    sys_sleep_ms(PAUSE_BETWEEN_MS); // the setup tool's pause between two queries
    const std::size_t count = query(link, "N", answer, sizeof answer);
    *answered |= count > 0;
    const bool counted = count > 0 && read_socket_count(answer, count, &two, &mode);
    if (!language && !counted)
        return false;
    *r = probe_result();
    r->found = probe_found::station;
    r->language = code;
    r->sockets = !counted ? 0 : two ? 2 : 1;
    return true;
}
} // namespace

// The station is asked first: its two queries are single letters that no
// reader takes for a frame, while a reader's frame heard at the station's
// speed is bytes the station might read as something; the reader's frame only
// goes where no station answered.
probe_result probe_port(const std::string& device) {
    probe_result r;
    device_link station_link = probe_link(k_velmor_profile);
    if (!open_as(station_link, device, &r))
        return r;
    bool answered = false;
    const bool station = ask_station(station_link, &r, &answered);
    (void)link_close(station_link);
    if (station)
        return r;
    device_link reader_link = probe_link(k_tandor_profile);
    if (!open_as(reader_link, device, &r))
        return r;
    if (!ask_reader(reader_link, &r, &answered)) {
        r = probe_result();
        r.found = answered ? probe_found::unknown_device : probe_found::no_answer;
    }
    (void)link_close(reader_link);
    return r;
}

std::vector<probe_result> probe_ports(const std::vector<std::string>& devices) {
    std::vector<probe_result> found(devices.size());
    std::vector<std::thread> askers;
    askers.reserve(devices.size());
    for (std::size_t i = 0; i < devices.size(); ++i)
        askers.emplace_back([&found, &devices, i] { found[i] = probe_port(devices[i]); });
    for (std::thread& t : askers)
        t.join();
    return found;
}

const char* probe_kind(probe_found found) {
    switch (found) {
    case probe_found::card_reader:
        return "card reader";
    case probe_found::station:
        return "charging station";
    case probe_found::unknown_device:
        return "unknown device";
    case probe_found::not_opened:
        return "not opened";
    case probe_found::no_answer:
        break;
    }
    return "no answer";
}

// One port as a script reads it: its names, what was found on it (with
// --probe), and what the system says of it.
nlohmann::json port_json(const listed_port& p, const probe_result* found, bool present,
                         port_stored stored) {
    nlohmann::json j = {
        {"port", p.name}, {"device", p.device}, {"name", p.description}, {"maker", p.maker}};
    if (found) {
        j["kind"] = probe_kind(found->found);
        j["found"] = probe_detail(*found, LANGUAGE_ENGLISH);
    } else {
        j["present"] = present;
    }
    if (stored != port_stored::not_asked)
        j["stored"] =
            stored_words(stored, found ? found->found : probe_found::no_answer, LANGUAGE_ENGLISH);
    return j;
}

namespace {
std::string station_detail(const probe_result& r, int lang) {
    const std::string language =
        r.language.empty() ? "" : qtext_in(lang, QT_PROBE_LANGUAGE, {r.language});
    const std::string sockets =
        r.sockets == 0
            ? ""
            : qtext_in(lang, r.sockets == 2 ? QT_PROBE_TWO_SOCKETS : QT_PROBE_ONE_SOCKET);
    return language + (language.empty() || sockets.empty() ? "" : ", ") + sockets;
}
} // namespace

std::string probe_detail(const probe_result& r, int lang) {
    switch (r.found) {
    case probe_found::card_reader:
        return qtext_in(lang,
                        r.nak           ? QT_PROBE_NAK
                        : r.uid.empty() ? QT_PROBE_NO_CARD_ON_IT
                                        : QT_PROBE_CARD_ON_IT,
                        {r.uid});
    case probe_found::station:
        return station_detail(r, lang);
    case probe_found::not_opened:
        return port_open_words(r.opened, lang);
    case probe_found::unknown_device:
    case probe_found::no_answer:
        break;
    }
    return "";
}

std::string probe_words(const probe_result& r) {
    const int lang = lang_get();
    switch (r.found) {
    case probe_found::card_reader:
        return qtext_in(lang, QT_PROBE_READER, {probe_detail(r, lang)});
    case probe_found::station:
        return qtext_in(lang, QT_PROBE_STATION, {probe_detail(r, lang)});
    case probe_found::not_opened:
        return probe_detail(r, lang);
    case probe_found::unknown_device:
        return qtext_in(lang, QT_PROBE_UNKNOWN);
    case probe_found::no_answer:
        break;
    }
    return qtext_in(lang, QT_PROBE_NO_ANSWER);
}

const char* settings_key_of(probe_found found) {
    if (found == probe_found::card_reader)
        return k_tandor_profile.settings_key;
    if (found == probe_found::station)
        return k_velmor_profile.settings_key;
    return nullptr;
}

std::string stored_words(port_stored stored, probe_found found, int lang) {
    const char* key = settings_key_of(found);
    switch (stored) {
    case port_stored::stored:
        return qtext_in(lang, QT_STORED, {key ? key : ""});
    case port_stored::failed:
        return qtext_in(lang, QT_STORE_FAILED, {key ? key : ""});
    case port_stored::nothing:
        return qtext_in(lang, QT_NOTHING_STORED);
    case port_stored::two_found:
        return qtext_in(lang, QT_NOT_STORED);
    case port_stored::no_registry:
        return qtext_in(lang, QT_NO_REGISTRY);
    case port_stored::not_asked:
        break;
    }
    return "";
}
