// Charging station simulator: the station's command set on a pseudo-terminal,
// driven through its control channel.
//
//   station-sim --link PATH [--control-port N] [--port-file PATH] [--log PATH]
//               [--set KEY=VALUE ...]
#include "control_server.h"
#include "device_loop.h"
#include "hex.h"
#include "pty_device.h"
#include "sim_log.h"
#include "station_control.h"

#include <chrono>
#include <cstdio>

namespace {
// Commands gathered from the line, each answered by the station model.
struct command_answerer {
    station_sim_state& state;
    sim_log& log;
    std::chrono::steady_clock::time_point last_input = std::chrono::steady_clock::now();

    std::vector<reply_chunk> operator()(const std::uint8_t* data, std::size_t n) {
        // A command left without its CR for a second is given up.
        auto now = std::chrono::steady_clock::now();
        if (now - last_input > std::chrono::seconds(1))
            state.station.reset_partial();
        last_input = now;
        return state.station.feed(data, n, [&](const bytes& command) {
            bytes with_cr = command;
            with_cr.push_back(0x0D);
            log.write("RX", to_hex(with_cr));
            if (!state.unplug_on.empty() &&
                std::string(command.begin(), command.end()).rfind(state.unplug_on, 0) == 0)
                unplug_device(state);
        });
    }
};
} // namespace

int main(int argc, char** argv) {
    sim_options opt;
    std::string err;
    if (!parse_sim_options(argc, argv, &opt, &err)) {
        std::fprintf(stderr, "station-sim: %s\n", err.c_str());
        return 2;
    }
    sim_log log(opt.log);
    station_sim_state state;
    state.log = &log;
    for (std::size_t i = 0; i < opt.extra.size(); ++i) {
        if (opt.extra[i] == "--set")
            continue;
        err = state.station.set(opt.extra[i]);
        if (!err.empty()) {
            std::fprintf(stderr, "station-sim: %s\n", err.c_str());
            return 2;
        }
    }

    pty_device pty;
    control_server control;
    err = start_sim(opt, pty, control);
    if (!err.empty()) {
        std::fprintf(stderr, "station-sim: %s\n", err.c_str());
        return 1;
    }
    state.pty = &pty;
    state.link = opt.link;
    log.write("START",
              "station on " + pty.slave_path() + " control port " + std::to_string(control.port()));

    command_answerer answer{state, log};
    device_hooks hooks;
    hooks.on_input = [&](const std::uint8_t* data, std::size_t n) { return answer(data, n); };
    hooks.on_control = [&](const std::vector<std::string>& w, std::vector<std::string>* out) {
        return station_control(state, w, out);
    };
    hooks.should_quit = [&] { return state.quit; };
    int rc = run_device_loop(pty, control, log, hooks, opt.line_speed);
    log.write("STOP", "");
    return rc;
}
