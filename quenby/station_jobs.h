#pragma once
// `quenby station read | write | diff`: a station's configuration to and
// from a profile, through the setup tool's own Read and Write (their
// commands, pauses, rules and check on the station).
//
// Exit status: read 0 written, 1 the station not read whole or the file not
// written; write 0 the station holds the profile, 1 it does not (or did not
// answer), 2 the profile refused and nothing sent; diff 0 nothing differs,
// 1 something does, 2 the profile refused or the station not read.

#include "port_list.h"

#include <string>

int station_read_job(const listed_port& port, const std::string& path);
int station_write_job(const listed_port& port, const std::string& path);
int station_diff_job(const listed_port& port, const std::string& path);
