#pragma once
// The companion's command line: its commands and options, with their help
// and the errors of a line that does not parse in the companion's language
// (which is chosen before the line is parsed: companion_language.h).

#include "cards_job.h"

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

struct ports_options {
    std::vector<std::string> names;
    bool probe = false, use = false, json = false;
};

// Every option of every command, filled by the parser.
struct command_line {
    std::string lang;
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

// The commands as the parser knows them.
struct commands {
    CLI::App* ports = nullptr;
    CLI::App* log = nullptr;
    CLI::App* decode = nullptr;
    CLI::App* station = nullptr;
    CLI::App* cards = nullptr;
};

// Every command and option put on `app`, filling `c`, in the companion's
// language.
commands define_command_line(CLI::App& app, command_line& c);

// A command line that does not parse: its error in words on standard error,
// exit status 2. A command that names no job names the jobs it has.
int usage_error(const CLI::App& app, const CLI::ParseError& e);
