// quenby: the technicians' companion to the three programs, on the command
// line. Finds the port of each device, records and decodes the programs'
// trace.
#include "cards_job.h"
#include "command_line.h"
#include "companion_language.h"
#include "companion_texts.h"
#include "debug_log.h"
#include "language.h"
#include "port_list.h"
#include "probe.h"
#include "settings.h"
#include "station_jobs.h"
#include "terminal.h"
#include "trace_decode.h"
#include "use_port.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>
#include <iostream>

namespace {
std::string padded(const std::string& name) {
    return name.size() < 6 ? name + std::string(6 - name.size(), ' ') : name;
}

// The ports named, or those present when none is.
bool ports_to_list(const std::vector<std::string>& names, std::vector<listed_port>* out) {
    if (names.empty()) {
        *out = list_ports();
        return true;
    }
    for (const std::string& text : names) {
        listed_port p;
        std::string error;
        if (!port_from_text(text, ports_are_com_numbers(), &p, &error)) {
            std::fprintf(stderr, "quenby ports: %s\n", error.c_str());
            return false;
        }
        out->push_back(p);
    }
    return true;
}

// --use: the port of each kind found stored, when one port alone has it. Two
// readers (or two stations) leave the choice to the technician: none is
// stored, and the ports are named. *stored gets what was done with each
// port; false when a store failed or a kind found twice was not stored.
bool store_found(const std::vector<listed_port>& ports, const std::vector<probe_result>& found,
                 std::vector<port_stored>* stored) {
    bool ok = true;
    for (const probe_found kind : {probe_found::card_reader, probe_found::station}) {
        std::vector<std::size_t> at;
        for (std::size_t i = 0; i < found.size(); ++i)
            if (found[i].found == kind)
                at.push_back(i);
        if (at.size() == 1) {
            (*stored)[at[0]] = use_found_port(kind, com_number_of(ports[at[0]].name));
            ok &= (*stored)[at[0]] == port_stored::stored;
        } else if (at.size() > 1) {
            std::string names;
            for (const std::size_t i : at) {
                names += (names.empty() ? "" : ", ") + ports[i].name;
                (*stored)[i] = port_stored::two_found;
            }
            std::fprintf(
                stderr, "quenby ports: %s\n",
                qtext(kind == probe_found::card_reader ? QT_TWO_READERS : QT_TWO_STATIONS, {names})
                    .c_str());
            ok = false;
        }
    }
    return ok;
}

std::string port_line(const listed_port& p, const std::string& words) {
    const std::string about = p.description.empty() ? "" : "  [" + p.description + "]";
    return words.empty() && about.empty() ? p.name : padded(p.name) + words + about;
}

// The ports without asking them: named ones that are not there say so.
int list_only(const ports_options& o, const std::vector<listed_port>& ports) {
    bool absent = false; // a port named that is not there is no port listed
    nlohmann::json all = nlohmann::json::array();
    for (const listed_port& p : ports) {
        const bool here = o.names.empty() || port_present(p);
        absent |= !here;
        if (o.json)
            all.push_back(port_json(p, nullptr, here));
        else
            std::printf("%s\n",
                        port_line(p, here ? "" : "  " + qtext(QT_OPEN_NOT_PRESENT)).c_str());
    }
    if (o.json)
        std::printf("%s\n", all.dump().c_str());
    return absent ? 1 : 0;
}

int run_ports(const ports_options& o) {
    std::vector<listed_port> ports;
    if (!ports_to_list(o.names, &ports))
        return 2;
    if (ports.empty())
        std::fprintf(stderr, "quenby ports: %s\n", qtext(QT_NO_PORT_FOUND).c_str());
    if (!o.probe)
        return list_only(o, ports);
    std::vector<std::string> devices;
    for (const listed_port& p : ports)
        devices.push_back(p.device);
    const std::vector<probe_result> found = probe_ports(devices); // all at once
    bool failed = false;
    for (const probe_result& r : found)
        failed |= r.absent(); // a port named that is not there is no port listed
    std::vector<port_stored> stored(ports.size(), port_stored::not_asked);
    if (o.use)
        failed |= !store_found(ports, found, &stored);
    bool stored_any = false;
    nlohmann::json all = nlohmann::json::array();
    for (std::size_t i = 0; i < ports.size(); ++i) {
        stored_any |= stored[i] == port_stored::stored;
        const std::string said = stored_words(stored[i], found[i].found, lang_get());
        if (o.json)
            all.push_back(port_json(ports[i], &found[i], true, stored[i]));
        else
            std::printf("%s\n", (port_line(ports[i], "  " + probe_words(found[i])) +
                                 (said.empty() ? "" : "  " + said))
                                    .c_str());
    }
    if (o.json)
        std::printf("%s\n", all.dump().c_str());
    std::fflush(stdout);
    if (o.use && !stored_any)
        std::fprintf(stderr, "quenby ports: %s\n", qtext(QT_NOTHING_STORED).c_str());
    return failed || (o.use && !stored_any) ? 1 : 0;
}

// The one port a station or card job names; false (having said why) when
// the text names none.
bool job_port(const char* job, const std::string& text, listed_port* port) {
    std::string error;
    if (port_from_text(text, ports_are_com_numbers(), port, &error))
        return true;
    std::fprintf(stderr, "quenby %s: %s\n", job, error.c_str());
    return false;
}

int run_station(const std::string& job, const std::string& port_text, const std::string& path,
                const std::string& record, bool json) {
    listed_port port;
    if (!job_port("station", port_text, &port))
        return 2;
    if (job == "read")
        return station_read_job(port, path);
    if (job == "write")
        return station_write_job(port, path, record);
    return station_diff_job(port, path, json);
}

int run_cards(const std::string& port_text, const cards_options& options) {
    listed_port port;
    if (!job_port("cards", port_text, &port))
        return 2;
    return cards_issue_job(port, options);
}

int run_decode(const std::string& path, const std::string& layout_name) {
    std::ifstream file;
    if (!path.empty()) {
        file.open(path);
        if (!file) {
            std::fprintf(stderr, "quenby decode: %s\n", qtext(QT_CANNOT_READ, {path}).c_str());
            return 1;
        }
    }
    std::istream& in = path.empty() ? std::cin : file;
    const card_layout layout =
        layout_name == "classic" ? card_layout::classic : card_layout::tandor;
    trace_decoder decoder(layout_name.empty() ? nullptr : &layout);
    // Written out in large pieces: a console that takes each character alone
    // makes a long trace take minutes.
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    decode_lines(in, std::cout, decoder);
    std::cout.flush();
    std::fflush(stdout);
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    // The language first: the help and the errors of the line are in it.
    const early_words early = read_early(argc, argv);
    std::vector<int> stored;
    for (const char* key : settings_keys_of_command(early.command))
        stored.push_back(settings_stored_language(key));
    lang_set(companion_language({early.lang, agreed_language(stored), terminal_locale()}));
    terminal_speaks_utf8();
    CLI::App app;
    command_line c;
    const commands made = define_command_line(app, c);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // --help and --version end here too, with their own status 0.
        return e.get_exit_code() == 0 ? app.exit(e) : usage_error(app, e);
    }
    if (made.station->parsed() && c.station_job == "check")
        return station_check_job(c.profile_file);
    if (made.station->parsed())
        return run_station(c.station_job, c.station_port, c.profile_file, c.write_record,
                           c.diff_json);
    if (made.cards->parsed() && c.cards_check)
        return cards_check_job(c.cards);
    if (made.cards->parsed())
        return run_cards(c.cards_port, c.cards);
    if (made.ports->parsed())
        return run_ports(c.ports);
    if (made.log->parsed())
        return record_debug_output(c.log_file, c.seconds);
    return run_decode(c.trace_file, c.layout);
}
