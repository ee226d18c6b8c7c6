#pragma once
// Control commands every simulator understands:
//   line        the line settings the program set ("speed 9600 bits 8 parity none stop 1")
//   log         the log lines so far
//   clear-log   forget them
//   unplug      pull the device out (the pseudo-terminal closes under the program)
//   plug        plug a new one in at the same link
//   quit        stop the simulator

#include <string>
#include <vector>

class pty_device;
class sim_log;

struct sim_common {
    sim_log* log = nullptr;
    pty_device* pty = nullptr;
    bool quit = false;
    std::string link;           // where the device is linked
    std::string unplugged_link; // where to plug it in again
    std::string unplug_on;      // "unplug on=CMD": pulled out once CMD has come
};

// Pulls the device out, as the "unplug" command does.
void unplug_device(sim_common& s);

// Logs the command; true when it was one of the common ones (then *error
// holds its error text, empty on success).
bool common_control(sim_common& s, const std::vector<std::string>& words,
                    std::vector<std::string>* out, std::string* error);

// Whole numbers in control commands.
bool parse_int(const std::string& text, int base, int* out);
