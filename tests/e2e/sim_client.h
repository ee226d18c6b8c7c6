#pragma once
// Talks to a simulator's control channel from a Windows test program. The
// channel's port comes from SIM_CONTROL_PORT.

#include <string>
#include <vector>

// Sends one command; returns the answer lines (without the final "ok").
// An "error: ..." answer or no answer fails the calling test.
std::vector<std::string> sim_command(const std::string& line);

// The port number of the simulated device (SIM_COM).
int sim_com();

// The log lines of one kind ("RX", "TX", ...): the part after the kind.
std::vector<std::string> sim_log_of(const std::string& kind);
