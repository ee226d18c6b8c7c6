#include "station_jobs.h"

#include "companion_link.h"

#include "port.h"
#include "profile.h"
#include "profile_velmor.h"
#include "program_info.h"
#include "station_ops.h"
#include "station_profile.h"
#include "system.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>

namespace {
// What a Read reports, kept whole, with the answers as they came.
class collector : public station_observer {
  public:
    station_config config;
    bool ended = false; // the Read reached its end
    bool has_language = false;
    bool has_count = false;
    std::map<std::string, std::string> answers;

    void busy(bool) override {}
    void progress(int step) override { ended |= step == PROGRESS_STEPS; }
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
    const std::size_t at[] = {3, 4, 5, 8};
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
            unknown[key + "imax"] = after(p, 9, 2);
            unknown[key + "imax_s"] = after(p, 11, 2);
        }
    }
    return unknown;
}

// The station's port opened and closed again, as the setup tool opens it:
// false, having said why, when it does not open ("not present", "in use by
// another program").
bool port_opens(const listed_port& port) {
    use_link_of(k_velmor_profile, true);
    const serial_open_outcome o = port_open_device(port.device.c_str());
    if (o.result != SERIAL_OPENED) {
        std::fprintf(stderr, "quenby station: %s: %s\n", port.name.c_str(),
                     serial_open_text(o.result));
        return false;
    }
    port_close();
    return true;
}

// Before a Write sends anything: the station asked its language, as a Read
// asks it first. False, having said so, when it answers nothing.
bool station_answers(const listed_port& port) {
    use_link_of(k_velmor_profile, true);
    if (port_open_device(port.device.c_str()).result != SERIAL_OPENED)
        return port_opens(port);
    sys_sleep_ms(PAUSE_AFTER_OPEN_MS);
    port_discard_input();
    const std::uint8_t query[2] = {'L', 0x0D};
    std::uint8_t answer[PORT_READ_SIZE] = {};
    std::size_t got = 0;
    const bool answered = port_write(query, sizeof query) && port_read(answer, &got) && got > 0;
    port_close();
    if (!answered)
        std::fprintf(stderr, "quenby station: %s: the station does not answer; nothing was sent\n",
                     port.name.c_str());
    return answered;
}

// The station asked with the Read's queries and pauses; false (having said
// why) when it was not read whole.
bool read_station(const listed_port& port, collector* c) {
    if (!port_opens(port))
        return false;
    station_read(station_line(port.device.c_str()), station_config(), *c);
    if (!c->ended)
        std::fprintf(stderr, "quenby station: %s: the station's configuration was not read whole\n",
                     port.name.c_str());
    return c->ended;
}

std::string two(int n) {
    char s[8];
    std::snprintf(s, sizeof s, "%02d", n % 100);
    return s;
}

std::string date_of(const local_time& t) {
    return two(t.day) + "/" + two(t.month) + "/" + std::to_string(t.year);
}

std::string time_of(const local_time& t) {
    return two(t.hour) + ":" + two(t.minute) + ":" + two(t.second);
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
        std::fprintf(stderr, "quenby station: cannot read %s\n", path.c_str());
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
    const std::string header = "station profile read from " + port.name + " on " + date_of(now) +
                               " at " + time_of(now) + " by quenby " + QUENBY_VERSION_TEXT;
    const std::string text = profile_text(c.config, unknown_of(c), header);
    if (path == "-") {
        std::cout << text << std::flush;
        return 0;
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file) {
        std::fprintf(stderr, "quenby station read: cannot write %s\n", path.c_str());
        return 1;
    }
    std::printf("%s: the station's profile written to %s\n", port.name.c_str(), path.c_str());
    return 0;
}

int station_write_job(const listed_port& port, const std::string& path) {
    station_profile p;
    if (!load_profile(path, &p))
        return 2;
    // The form's rules, with the line of the key a refusal points at.
    station_config c = p.config;
    const local_time now = sys_local_time();
    c.date = date_of(now);
    c.time = time_of(now);
    checked_datetime dt;
    check_failure failure;
    use_link_of(k_velmor_profile, true);
    if (!config_check(c, &dt, &failure)) {
        const std::string key = key_of(failure);
        print_errors(
            path, {{key.empty() ? 0 : p.lines[key],
                    (key.empty() ? "this computer's date and time" : key) + ": " + failure.text}});
        return 2;
    }
    if (!station_answers(port))
        return 1;
    collector observer;
    if (!station_write(station_line(port.device.c_str()), c, observer))
        return 1; // the Write has said why
    std::printf("%s: %s written; the station holds it\n", port.name.c_str(), path.c_str());
    return 0;
}

int station_diff_job(const listed_port& port, const std::string& path) {
    station_profile p;
    if (!load_profile(path, &p))
        return 2;
    collector c;
    if (!read_station(port, &c))
        return 1;
    const std::vector<profile_difference> differences =
        profile_differences(p.config, c.config, unknown_of(c));
    for (const profile_difference& d : differences)
        std::printf("%s: profile %s, station %s\n", d.key.c_str(), d.profile.c_str(),
                    d.station.empty() ? "(nothing)" : d.station.c_str());
    if (differences.empty())
        std::printf("%s: the station holds %s\n", port.name.c_str(), path.c_str());
    return differences.empty() ? 0 : 1;
}
