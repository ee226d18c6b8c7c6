#include "station_jobs.h"

#include "audit_file.h"
#include "clock_text.h"
#include "companion_link.h"
#include "companion_texts.h"
#include "console_teller.h"
#include "language.h"
#include "port.h"
#include "profile.h"
#include "profile_velmor.h"
#include "program_info.h"
#include "station_ops.h"
#include "station_profile.h"
#include "system.h"
#include "velmor_texts.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>

namespace {
// What a Read reports, kept whole, with the answers as they came.
class collector : public station_observer {
  public:
    station_config config;
    bool has_language = false;
    bool has_count = false;
    std::map<std::string, std::string> answers;

    void busy(bool) override {}
    void progress(int) override {}
    void language_read(int index) override {
        has_language = true;
        config.station_language = index;
    }
    void count_read(bool two_sockets, int mode) override {
        has_count = true;
        config.two_sockets = two_sockets;
        config.operating_mode = mode;
    }
    void socket_read(int n, const socket_config& socket) override { config.sockets[n] = socket; }
    void answered(const char* query, const std::uint8_t* answer, std::size_t count) override {
        answers[query] = std::string(answer, answer + count);
    }
};

// Bytes as a profile shows them: printable ones as they are, others as \xHH.
std::string shown_bytes(const std::string& bytes) {
    std::string s;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b == '\r' || b == '\n')
            continue;
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02X", b);
        s += b >= 0x20 && b < 0x7F && b != '#' ? std::string(1, c) : std::string(hex);
    }
    return s;
}

std::string after(const std::string& answer, std::size_t at, std::size_t n) {
    return answer.size() > at ? shown_bytes(answer.substr(at, n)) : "";
}

// The codes no option holds, from the answers they came in.
unknown_codes unknown_of(const collector& c) {
    unknown_codes unknown;
    const auto answer = [&](const char* query) {
        const auto a = c.answers.find(query);
        return a == c.answers.end() ? std::string() : a->second;
    };
    const std::string l = answer("L");
    if (!c.has_language || c.config.station_language == LIST_UNSET)
        unknown["language"] = after(l, l.rfind("L=", 0) == 0 ? 2 : 0, 2);
    if (!c.has_count) {
        const std::string n = answer("N");
        unknown["sockets"] = unknown["mode"] = after(n, n.rfind("N=", 0) == 0 ? 2 : 0, 8);
    }
    const char* fields[] = {"type", "locking", "contactor", "meter"};
    const std::size_t at[] = {SOCKET_ANSWER_TYPE_AT, SOCKET_ANSWER_LOCKING_AT,
                              SOCKET_ANSWER_CONTACTOR_AT, SOCKET_ANSWER_METER_AT};
    for (int n = 0; n < 2; ++n) {
        const std::string p = answer(n == 0 ? "P1" : "P2");
        if (p.empty()) { // a one-socket station that said nothing of socket 2
            for (const char* field : {"type", "locking", "contactor", "meter", "imax", "imax_s"})
                unknown["socket" + std::to_string(n + 1) + "." + field] = "";
            continue;
        }
        const socket_config& s = c.config.sockets[n];
        const int lists[] = {s.socket_type, s.locking_type, s.contactor_control, s.meter_type};
        const std::string key = "socket" + std::to_string(n + 1) + ".";
        for (int i = 0; i < 4; ++i)
            if (lists[i] == LIST_UNSET)
                unknown[key + fields[i]] = after(p, at[i], 1);
        if (s.imax_m3.empty() || s.imax_m3s.empty()) { // the digits did not read
            unknown[key + "imax"] = after(p, SOCKET_ANSWER_IMAX_AT, 2);
            unknown[key + "imax_s"] = after(p, SOCKET_ANSWER_IMAXS_AT, 2);
        }
    }
    return unknown;
}

// The station's port opened and closed again, as the setup tool opens it:
// false, having said why, when it does not open ("not present", "in use by
// another program").
bool port_opens(device_link& link, const listed_port& port) {
    const serial_open_outcome o = link_open_device(link, port.device.c_str());
    if (o.result != SERIAL_OPENED) {
        std::fprintf(stderr, "quenby station: %s: %s\n", port.name.c_str(),
                     port_open_words(o.result, lang_get()).c_str());
        return false;
    }
    (void)link_close(link);
    return true;
}

// The link to a station, as the setup tool opens it, its outcomes told on
// the console.
struct station_link {
    console_teller console{std::cerr, vtext};
    device_link link{companion_profile(k_velmor_profile, true), &console};
};

// Before a Write sends anything: the station asked its language, as a Read
// asks it first. False, having said so, when it answers nothing.
bool station_answers(device_link& link, const listed_port& port) {
    if (link_open_device(link, port.device.c_str()).result != SERIAL_OPENED)
        return port_opens(link, port);
    sys_sleep_ms(PAUSE_AFTER_OPEN_MS);
    link_discard_input(link);
    const std::uint8_t query[2] = {'L', 0x0D};
    std::uint8_t answer[PORT_READ_SIZE] = {};
    std::size_t got = 0;
    const bool answered =
        link_write(link, query, sizeof query) && link_read(link, answer, &got) && got > 0;
    (void)link_close(link);
    if (!answered) // in the setup tool's words, as its Read says it
        std::fprintf(stderr, "quenby station: %s: %s; %s\n", port.name.c_str(),
                     vtext(VT_MSG_NO_ANSWER), qtext(QT_NOTHING_SENT).c_str());
    return answered;
}

// The station asked with the Read's queries and pauses; false (having said
// why) when it was not read whole.
bool read_station(const listed_port& port, collector* c) {
    station_link station;
    if (!port_opens(station.link, port))
        return false;
    const outcome o =
        station_read(station.link, station_line(port.device.c_str()), station_config(), *c);
    if (!o.done())
        std::fprintf(stderr, "quenby station: %s: %s\n", port.name.c_str(),
                     qtext(QT_NOT_READ_WHOLE).c_str());
    return o.done();
}

void print_errors(const std::string& path, const std::vector<profile_error>& errors) {
    for (const profile_error& e : errors)
        std::fprintf(stderr, "%s%s: %s\n", path.c_str(),
                     e.line ? (":" + std::to_string(e.line)).c_str() : "", e.text.c_str());
}

// The profile at path; false (having named every line that has no meaning)
// when it is refused.
bool load_profile(const std::string& path, station_profile* p) {
    std::ifstream file(path, std::ios::binary); // UTF-16 is no text to the C runtime
    if (!file) {
        std::fprintf(stderr, "quenby station: %s\n", qtext(QT_CANNOT_READ, {path}).c_str());
        return false;
    }
    std::vector<profile_error> errors;
    if (read_profile(file, p, &errors))
        return true;
    print_errors(path, errors);
    return false;
}
} // namespace

int station_read_job(const listed_port& port, const std::string& path) {
    collector c;
    if (!read_station(port, &c))
        return 1;
    const local_time now = sys_local_time();
    const std::string header = "station profile read from " + port.name + " on " + clock_date(now) +
                               " at " + clock_time(now) + " by quenby " + QUENBY_VERSION_TEXT;
    const std::string text = profile_text(c.config, unknown_of(c), header);
    if (path == "-") {
        std::cout << text << std::flush;
        return 0;
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file) {
        std::fprintf(stderr, "quenby station read: %s\n", qtext(QT_CANNOT_WRITE, {path}).c_str());
        return 1;
    }
    std::printf("%s\n", qtext(QT_PROFILE_WRITTEN, {port.name, path}).c_str());
    return 0;
}

namespace {
// The profile at path as station write sends it: read, dated now, and passed
// by the setup form's rules; false (having named the line a refusal points
// at) when it is refused.
bool profile_to_send(const std::string& path, station_config* c) {
    station_profile p;
    if (!load_profile(path, &p))
        return false;
    *c = p.config;
    const local_time now = sys_local_time();
    c->date = clock_date(now);
    c->time = clock_time(now);
    checked_datetime dt;
    check_failure failure;
    if (config_check(*c, &dt, &failure))
        return true;
    const std::string key = key_of(failure);
    print_errors(path, {{key.empty() ? 0 : p.lines[key],
                         (key.empty() ? qtext(QT_COMPUTER_CLOCK) : key) + ": " + failure.text}});
    return false;
}
} // namespace

const char k_write_record_header[] = "time,port,profile,station,differs";

namespace {
// What the station holds after a Write: "holds", "does not hold" and the
// keys that differ (the station read again), or "not known".
std::string write_record_cells(const outcome& written, const listed_port& port,
                               const station_config& sent) {
    if (written.done())
        return "holds,";
    if (written.what != result::not_held)
        return "not known,"; // no answer, or a command the line did not take
    collector held;
    std::string keys;
    if (read_station(port, &held))
        for (const profile_difference& d : profile_differences(sent, held.config, unknown_of(held)))
            keys += (keys.empty() ? "" : " ") + d.key;
    return "does not hold," + keys;
}

// The record's line of one write; false (having said why) when it is not on
// the disk.
bool record_write(const std::string& record, const listed_port& port, const std::string& path,
                  const std::string& cells) {
    audit_file file;
    std::string why;
    std::string name = std::filesystem::path(path).filename().string();
    if (name.find_first_of(",\"") != std::string::npos) { // a cell of its own, quoted
        for (std::size_t at = 0; (at = name.find('"', at)) != std::string::npos; at += 2)
            name.insert(at, 1, '"');
        name = "\"" + name + "\"";
    }
    const std::string line =
        clock_stamp(sys_local_time()) + "," + port.name + "," + name + "," + cells;
    if (file.open(record, k_write_record_header, "", &why) && file.append(line, &why))
        return true;
    std::fprintf(stderr, "quenby station: %s\n",
                 qtext(QT_WRITE_NOT_RECORDED, {record, why}).c_str());
    return false;
}
} // namespace

int station_write_job(const listed_port& port, const std::string& path, const std::string& record) {
    station_config c;
    if (!profile_to_send(path, &c))
        return 2;
    station_link station;
    if (!station_answers(station.link, port))
        return 1;
    collector observer;
    const outcome written =
        station_write(station.link, station_line(port.device.c_str()), c, observer);
    const bool recorded =
        record.empty() || record_write(record, port, path, write_record_cells(written, port, c));
    if (!written.done())
        return 1; // the Write has said why
    std::printf("%s\n", qtext(QT_WRITTEN_AND_HELD, {port.name, path}).c_str());
    return recorded ? 0 : 1;
}

int station_check_job(const std::string& path) {
    station_config c;
    if (!profile_to_send(path, &c))
        return 2;
    std::printf("%s\n", qtext(QT_PROFILE_PASSES, {path}).c_str());
    return 0;
}

int station_diff_job(const listed_port& port, const std::string& path, bool json) {
    station_profile p;
    if (!load_profile(path, &p))
        return 2;
    collector c;
    if (!read_station(port, &c))
        return 1;
    const std::vector<profile_difference> differences =
        profile_differences(p.config, c.config, unknown_of(c));
    if (json) { // one array of what differs, [] when nothing does
        nlohmann::json all = nlohmann::json::array();
        for (const profile_difference& d : differences)
            all.push_back({{"key", d.key}, {"profile", d.profile}, {"station", d.station}});
        std::printf("%s\n", all.dump().c_str());
        return differences.empty() ? 0 : 1;
    }
    for (const profile_difference& d : differences)
        std::printf("%s\n",
                    qtext(QT_DIFFERENCE,
                          {d.key, d.profile, d.station.empty() ? qtext(QT_NOTHING) : d.station})
                        .c_str());
    if (differences.empty())
        std::printf("%s\n", qtext(QT_STATION_HOLDS, {port.name, path}).c_str());
    return differences.empty() ? 0 : 1;
}
