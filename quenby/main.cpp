// quenby: the technicians' companion to the three programs, on the command
// line. Finds the port of each device, records and decodes the programs'
// trace.
#include "cards_job.h"
#include "debug_log.h"
#include "language.h"
#include "port_list.h"
#include "probe.h"
#include "program_info.h"
#include "station_jobs.h"
#include "trace_decode.h"
#include "use_port.h"

#include <CLI/CLI.hpp>
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

const char* kind_words(probe_found found) {
    return found == probe_found::card_reader ? "card readers" : "charging stations";
}

// --use: the port of each kind found stored, when one port alone has it. Two
// readers (or two stations) leave the choice to the technician: none is
// stored, and the ports are named. *said gets each port's words; false when
// a store failed or a kind found twice was not stored.
bool store_found(const std::vector<listed_port>& ports, const std::vector<probe_result>& found,
                 std::vector<std::string>* said, bool* stored_any) {
    bool ok = true;
    for (const probe_found kind : {probe_found::card_reader, probe_found::station}) {
        std::vector<std::size_t> at;
        for (std::size_t i = 0; i < found.size(); ++i)
            if (found[i].found == kind)
                at.push_back(i);
        if (at.size() == 1) {
            ok &= use_found_port(kind, com_number_of(ports[at[0]].name), &(*said)[at[0]]);
            *stored_any |= (*said)[at[0]].rfind("stored", 0) == 0;
        } else if (at.size() > 1) {
            std::string names;
            for (const std::size_t i : at)
                names += (names.empty() ? "" : ", ") + ports[i].name;
            for (const std::size_t i : at)
                (*said)[i] = "not stored";
            std::fprintf(stderr,
                         "quenby ports: %s on %s: nothing stored for them; probe the one to use "
                         "alone with --use\n",
                         kind_words(kind), names.c_str());
            ok = false;
        }
    }
    return ok;
}

struct ports_options {
    std::vector<std::string> names;
    bool probe = false, use = false, json = false;
};

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
            all.push_back(port_json(p, nullptr, here, ""));
        else
            std::printf("%s\n", port_line(p, here ? "" : "  not present").c_str());
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
        std::fprintf(stderr, "quenby ports: no serial port found\n");
    if (!o.probe)
        return list_only(o, ports);
    std::vector<std::string> devices;
    for (const listed_port& p : ports)
        devices.push_back(p.device);
    const std::vector<probe_result> found = probe_ports(devices); // all at once
    bool failed = false;
    for (const probe_result& r : found)
        failed |= r.absent; // a port named that is not there is no port listed
    std::vector<std::string> said(ports.size());
    bool stored_any = false;
    if (o.use)
        failed |= !store_found(ports, found, &said, &stored_any);
    nlohmann::json all = nlohmann::json::array();
    for (std::size_t i = 0; i < ports.size(); ++i) {
        if (o.json)
            all.push_back(port_json(ports[i], &found[i], true, said[i]));
        else
            std::printf("%s\n", (port_line(ports[i], "  " + probe_words(found[i])) +
                                 (said[i].empty() ? "" : "  " + said[i]))
                                    .c_str());
    }
    if (o.json)
        std::printf("%s\n", all.dump().c_str());
    std::fflush(stdout);
    if (o.use && !stored_any)
        std::fprintf(stderr, "quenby ports: nothing stored\n");
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
            std::fprintf(stderr, "quenby decode: cannot read %s\n", path.c_str());
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

namespace {
// A number of seconds as a technician gives one: a whole number, 1 or more.
CLI::Validator whole_seconds() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            const bool digits = !text.empty() && text.size() <= 9 &&
                                text.find_first_not_of("0123456789") == std::string::npos;
            return digits && std::stoi(text) >= 1
                       ? ""
                       : "\"" + text + "\" is no whole number of seconds from 1 up";
        },
        "SECONDS");
}

const char k_footer[] =
    "Exit status: 0 done; 1 not done (no answer, not held, a batch stopped, a file not found, "
    "a difference found by diff); 2 refused before anything was sent (the command line, a port "
    "name, a profile, a batch or its audit).\n"
    "Files: a station profile is one \"key = value\" a line (# starts a comment), as station "
    "read writes it; a batch is a CSV with the header code,accesses,expiry (or "
    "code;accesses;expiry); the audit is a CSV time,uid,code,accesses,expiry,outcome, two lines "
    "a write: \"writing\" before it, then \"written\", \"not written\" or \"may be written\".";

// A command line that does not parse: its error in words, exit status 2.
// A command that names no job names the jobs it has.
int usage_error(const CLI::App& app, const CLI::ParseError& e) {
    std::string text = e.what();
    if (dynamic_cast<const CLI::RequiredError*>(&e) &&
        text.find("subcommand") != std::string::npos) {
        const CLI::App* at = &app;
        for (bool deeper = true; deeper;) {
            deeper = false;
            for (const CLI::App* sub : at->get_subcommands({}))
                if (sub->parsed()) {
                    at = sub;
                    deeper = true;
                    break;
                }
        }
        std::string jobs;
        for (const CLI::App* sub : at->get_subcommands({}))
            jobs += (jobs.empty() ? "" : ", ") + sub->get_name();
        text = "a command is wanted: " + jobs;
        if (at != &app)
            text = at->get_name() + ": " + text;
    }
    std::fprintf(stderr,
                 "quenby: %s\n(quenby --help tells the commands, quenby COMMAND --help "
                 "their options)\n",
                 text.c_str());
    return 2;
}

// Every option of every command, filled by the parser.
struct command_line {
    ports_options ports;
    std::string log_file;
    int seconds = 0;
    std::string trace_file, layout;
    std::string station_job, station_port, profile_file, write_record;
    bool diff_json = false;
    std::string cards_port;
    cards_options cards;
    bool cards_check = false;
};

CLI::App* add_ports(CLI::App& app, command_line& c) {
    CLI::App* ports = app.add_subcommand("ports", "List the serial ports (those named, or all)");
    ports->add_option("PORT", c.ports.names,
                      "Ports to list: COM7 or 7 on Windows, a device path on Linux");
    CLI::Option* probe =
        ports->add_flag("--probe", c.ports.probe,
                        "Ask every port at once whether a card reader or a station answers");
    ports
        ->add_flag("--use", c.ports.use,
                   "Store each port found in the settings of the program using it")
        ->needs(probe);
    ports->add_flag("--json", c.ports.json, "Print the ports as one JSON array, for scripts");
    return ports;
}

CLI::App* add_log(CLI::App& app, command_line& c) {
    CLI::App* log = app.add_subcommand("log", "Record the programs' debug output (Windows)");
    log->add_option("FILE", c.log_file, "Record into FILE (appended to); standard output without");
    log->add_option("--seconds", c.seconds, "Stop after this many seconds (else at Ctrl+C)")
        ->check(whole_seconds());
    return log;
}

CLI::App* add_decode(CLI::App& app, command_line& c) {
    CLI::App* decode = app.add_subcommand("decode", "Print a recorded trace in words");
    decode->add_option("FILE", c.trace_file, "The trace (standard input without)");
    decode->add_option("--layout", c.layout, "Read card blocks as tandor's or the classic layout")
        ->check(CLI::IsMember({"tandor", "classic"}));
    return decode;
}

CLI::App* add_station(CLI::App& app, command_line& c) {
    CLI::App* station = app.add_subcommand("station", "Station profiles: read, write, compare");
    station->require_subcommand(1);
    static const struct {
        const char* name;
        const char* about;
    } jobs[] = {
        {"read", "Read the station into a profile (FILE, or - for standard output)"},
        {"write", "Check a profile by the setup form's rules, write it, ask the station back"},
        {"diff", "List what the station holds that differs from a profile"}};
    for (const auto& job : jobs) {
        CLI::App* sub = station->add_subcommand(job.name, job.about);
        sub->add_option("PORT", c.station_port, "The station's port")->required();
        sub->add_option("FILE", c.profile_file, "The profile")->required();
        sub->callback([&c, &job] { c.station_job = job.name; });
        if (std::string(job.name) == "diff")
            sub->add_flag("--json", c.diff_json, "Print what differs as one JSON array");
        if (std::string(job.name) == "write")
            sub->add_option("--record", c.write_record,
                            "Add a line for the write to this CSV: time, port, profile, whether "
                            "the station holds it, the keys that differ");
    }
    CLI::App* check = station->add_subcommand(
        "check", "Check a profile as station write checks it, with no station (a dry run)");
    check->add_option("FILE", c.profile_file, "The profile")->required();
    check->callback([&c] { c.station_job = "check"; });
    return station;
}

CLI::App* add_cards(CLI::App& app, command_line& c) {
    CLI::App* cards = app.add_subcommand("cards", "Card batches");
    cards->require_subcommand(1);
    CLI::App* issue = cards->add_subcommand("issue", "Write one User card for each row of a CSV");
    issue->add_option("PORT", c.cards_port, "The card reader's port")->required();
    issue->add_option("FILE", c.cards.batch, "The batch: code,accesses,expiry")->required();
    CLI::Option* audit =
        issue->add_option("--audit", c.cards.audit, "Record each written card in this CSV");
    issue->add_flag("--resume", c.cards.resume, "Skip the rows the audit holds")->needs(audit);
    issue->add_flag("--json", c.cards.json, "Print the progress as one JSON object a line");
    issue
        ->add_option("--wait", c.cards.wait_seconds,
                     "Stop when no card is laid or lifted for this many seconds")
        ->check(whole_seconds());
    CLI::App* check = cards->add_subcommand(
        "check", "Check a batch (and its audit) as cards issue checks them, with no reader");
    check->add_option("FILE", c.cards.batch, "The batch: code,accesses,expiry")->required();
    CLI::Option* checked_audit =
        check->add_option("--audit", c.cards.audit, "The audit the batch would go on with");
    check->add_flag("--resume", c.cards.resume, "As cards issue --resume")->needs(checked_audit);
    check->callback([&c] { c.cards_check = true; });
    return cards;
}
} // namespace

int main(int argc, char** argv) {
    lang_set(LANGUAGE_ENGLISH);
    CLI::App app{"The field companion of the Quenby service tools: finds each device's port, "
                 "records and decodes the programs' trace, keeps station profiles, issues card "
                 "batches.",
                 "quenby"};
    app.set_version_flag("--version", std::string("quenby ") + QUENBY_VERSION_TEXT);
    app.require_subcommand(1);
    command_line c;
    CLI::App* ports = add_ports(app, c);
    CLI::App* log = add_log(app, c);
    add_decode(app, c);
    CLI::App* station = add_station(app, c);
    CLI::App* cards = add_cards(app, c);

    app.footer(k_footer);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // --help and --version end here too, with their own status 0.
        return e.get_exit_code() == 0 ? app.exit(e) : usage_error(app, e);
    }
    if (station->parsed() && c.station_job == "check")
        return station_check_job(c.profile_file);
    if (station->parsed())
        return run_station(c.station_job, c.station_port, c.profile_file, c.write_record,
                           c.diff_json);
    if (cards->parsed() && c.cards_check)
        return cards_check_job(c.cards);
    if (cards->parsed())
        return run_cards(c.cards_port, c.cards);
    if (ports->parsed())
        return run_ports(c.ports);
    if (log->parsed())
        return record_debug_output(c.log_file, c.seconds);
    return run_decode(c.trace_file, c.layout);
}
