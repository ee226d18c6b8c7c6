#pragma once
// The event loop shared by the simulators: bytes from the serial line in,
// timed reply pieces out, control commands served in between.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

using bytes = std::vector<std::uint8_t>;

// One piece of a reply, sent `delay_ms` after the previous piece was sent.
struct reply_chunk {
    int delay_ms = 0;
    bytes data;
};

class control_server;
class pty_device;
class sim_log;

struct device_hooks {
    // Bytes that came from the line; returns what to send back.
    std::function<std::vector<reply_chunk>(const std::uint8_t*, std::size_t)> on_input;
    // A control command; see control_server::handler.
    std::function<std::string(const std::vector<std::string>&, std::vector<std::string>*)>
        on_control;
    std::function<bool()> should_quit;
};

// Runs until should_quit() or a termination signal. Every piece sent is
// logged as "TX <hex>". Returns the exit code.
int run_device_loop(pty_device& pty, control_server& control, sim_log& log,
                    const device_hooks& hooks, bool line_speed = false);

// Common command line of the simulators:
//   --link PATH         symlink to the device (e.g. $WINEPREFIX/dosdevices/com5)
//   --control-port N    TCP port of the control channel on 127.0.0.1 (0: any free one)
//   --port-file PATH    where the chosen control port is written once listening
//   --log PATH          the log file
//   --line-speed        bytes move at the speed the program set, as on a real
//                       line: each byte sent leaves 10 bit times after the one
//                       before, and bytes received are taken no faster
//   --flow-control      the line starts with XON/XOFF and RTS/CTS on, as another
//                       program may leave a port
struct sim_options {
    std::string link;
    int control_port = 0;
    std::string port_file;
    std::string log;
    bool line_speed = false;
    bool flow_control = false;
    std::vector<std::string> extra; // the simulator's own words
};

bool parse_sim_options(int argc, char** argv, sim_options* out, std::string* error);

// Opens the device and the control channel, writes the port file. Returns an
// error text, empty on success.
std::string start_sim(const sim_options& opt, pty_device& pty, control_server& control);
