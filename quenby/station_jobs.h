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
// With `record` ("" for none), every write that reaches the station is one
// line of that CSV, on the disk at once: "time,port,profile,station,differs"
// (station: "holds", "does not hold" with the keys that differ, as a Read
// after it finds them, or "not known" when it did not answer).
int station_write_job(const listed_port& port, const std::string& path,
                      const std::string& record = "");

// The header of a write record.
extern const char k_write_record_header[];
// With `json`, the differences as one JSON array of {"key", "profile",
// "station"} ("station" "" where it said nothing).
int station_diff_job(const listed_port& port, const std::string& path, bool json = false);

// `quenby station check FILE`: every check of station write that comes
// before the station's port (the profile read, the setup form's rules on it
// with this computer's date and time), with its messages, and nothing
// opened. 0 when the profile would be sent, else 2.
int station_check_job(const std::string& path);
