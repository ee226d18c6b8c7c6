#include "probe.h"

#include "companion_link.h"

#include "port.h"
#include "profile.h"
#include "profile_tandor.h"
#include "profile_velmor.h"
#include "reader.h"
#include "reader_frame.h"
#include "station_config.h"
#include "station_ops.h"
#include "system.h"

#include <cstdint>
#include <cstdio>

namespace {
bool open_as(const program_profile& program, const std::string& device, probe_result* failed) {
    use_link_of(program, false);
    const serial_open_outcome o = port_open_device(device.c_str());
    if (o.result == SERIAL_OPENED)
        return true;
    failed->found = probe_found::not_opened;
    failed->detail = serial_open_text(o.result);
    failed->absent = o.result == SERIAL_NOT_PRESENT;
    return false;
}

bool ask_reader(probe_result* r) {
    std::uint8_t reply[LINK_REPLY_SIZE] = {};
    const exchange e = link_transact(reply, "18", "");
    if (e == exchange::nak) {
        *r = {probe_found::card_reader, "it answered NAK"};
        return true;
    }
    if (e != exchange::done && e != exchange::wrong_reply)
        return false;
    char uid[READER_UID_CHARS + 1] = {};
    const int status = reader_status(reply);
    if (status == READER_CARD_PRESENT && reader_uid(reply, uid))
        *r = {probe_found::card_reader, std::string("card ") + uid + " on it"};
    else if (status == READER_NO_CARD)
        *r = {probe_found::card_reader, "no card on it"};
    else
        *r = {probe_found::card_reader, "an answer it could not read"};
    return true;
}

// One query and its answer, as the setup tool asks it; the answer's length.
std::size_t query(const char* letter, std::uint8_t* answer, std::size_t size) {
    port_discard_input();
    const std::uint8_t command[2] = {static_cast<std::uint8_t>(letter[0]), 0x0D};
    std::size_t got = 0;
    if (!port_write(command, sizeof command) || !port_read(answer, &got))
        return 0;
    return got < size ? got : size;
}

bool ask_station(probe_result* r) {
    std::uint8_t answer[PORT_READ_SIZE] = {};
    const std::size_t got = query("L", answer, sizeof answer);
    int language = 0;
    if (got == 0 || !read_language_answer(answer, got, &language))
        return false;
    std::string detail = "language " + std::string(reinterpret_cast<char*>(answer) + 2, 2);
    bool two = false;
    int mode = 0;
    sys_sleep_ms(PAUSE_BETWEEN_MS); // the setup tool's pause between two queries
    const std::size_t count = query("N", answer, sizeof answer);
    if (count > 0 && read_socket_count(answer, count, &two, &mode))
        detail += two ? ", 2 sockets" : ", 1 socket";
    *r = {probe_found::station, detail};
    return true;
}
} // namespace

// The station is asked first: its two queries are single letters that no
// reader takes for a frame, while a reader's frame heard at the station's
// speed is bytes the station might read as something; the reader's frame only
// goes where no station answered.
probe_result probe_port(const std::string& device) {
    probe_result r;
    if (!open_as(k_velmor_profile, device, &r))
        return r;
    const bool answered = ask_station(&r);
    port_close();
    if (answered)
        return r;
    if (!open_as(k_tandor_profile, device, &r))
        return r;
    if (!ask_reader(&r))
        r = {probe_found::no_answer, ""};
    port_close();
    return r;
}

std::string probe_words(const probe_result& r) {
    switch (r.found) {
    case probe_found::card_reader:
        return "card reader  (" + r.detail + ")";
    case probe_found::station:
        return "charging station  (" + r.detail + ")";
    case probe_found::not_opened:
        return r.detail;
    case probe_found::no_answer:
        break;
    }
    return "no answer";
}

const char* settings_key_of(probe_found found) {
    if (found == probe_found::card_reader)
        return k_tandor_profile.settings_key;
    if (found == probe_found::station)
        return k_velmor_profile.settings_key;
    return nullptr;
}
