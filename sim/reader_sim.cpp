// Card reader simulator: a contactless reader with virtual MIFARE Classic 1K
// cards on a pseudo-terminal, driven through its control channel.
//
//   reader-sim --link PATH [--control-port N] [--port-file PATH] [--log PATH]
//              [--card UID [BLOCK=HEX32 ...]]
#include "control_server.h"
#include "device_loop.h"
#include "pty_device.h"
#include "reader_control.h"
#include "sim_log.h"

#include <chrono>
#include <cstdio>

namespace {
// "--card UID [N=HEX32 ...]" on the command line: the card laid at the start.
bool lay_start_card(reader_sim_state& state, const std::vector<std::string>& extra) {
    if (extra.empty())
        return true;
    std::vector<std::string> words = extra;
    if (words[0] != "--card") {
        std::fprintf(stderr, "reader-sim: unknown argument %s\n", words[0].c_str());
        return false;
    }
    words[0] = "place";
    std::vector<std::string> out;
    const std::string err = reader_control(state, words, &out);
    if (!err.empty())
        std::fprintf(stderr, "reader-sim: %s\n", err.c_str());
    return err.empty();
}

// Frames gathered from the line, each answered by the reader model.
struct frame_answerer {
    reader_sim_state& state;
    sim_log& log;
    frame_assembler assembler;
    std::chrono::steady_clock::time_point last_input = std::chrono::steady_clock::now();

    std::vector<reply_chunk> operator()(const std::uint8_t* data, std::size_t n) {
        // A frame left half-sent for a second is given up.
        auto now = std::chrono::steady_clock::now();
        if (now - last_input > std::chrono::seconds(1))
            assembler.reset();
        last_input = now;
        std::vector<received_frame> frames;
        assembler.feed(data, n, &frames);
        std::vector<reply_chunk> replies;
        for (const auto& f : frames) {
            log.write(f.valid ? "RX" : "RX-BAD", to_hex(f.raw));
            auto chunks = state.reader.answer(f);
            replies.insert(replies.end(), chunks.begin(), chunks.end());
        }
        return replies;
    }
};
} // namespace

int main(int argc, char** argv) {
    sim_options opt;
    std::string err;
    if (!parse_sim_options(argc, argv, &opt, &err)) {
        std::fprintf(stderr, "reader-sim: %s\n", err.c_str());
        return 2;
    }
    sim_log log(opt.log);
    reader_sim_state state;
    state.log = &log;
    if (!lay_start_card(state, opt.extra))
        return 2;

    pty_device pty;
    control_server control;
    err = start_sim(opt, pty, control);
    if (!err.empty()) {
        std::fprintf(stderr, "reader-sim: %s\n", err.c_str());
        return 1;
    }
    state.pty = &pty;
    state.link = opt.link;
    log.write("START",
              "reader on " + pty.slave_path() + " control port " + std::to_string(control.port()));

    frame_answerer answer{state, log, {}};
    device_hooks hooks;
    hooks.on_input = [&](const std::uint8_t* data, std::size_t n) { return answer(data, n); };
    hooks.on_control = [&](const std::vector<std::string>& w, std::vector<std::string>* out) {
        return reader_control(state, w, out);
    };
    hooks.should_quit = [&] { return state.quit; };
    int rc = run_device_loop(pty, control, log, hooks, opt.line_speed);
    log.write("STOP", "");
    return rc;
}
