#include "device_loop.h"

#include "control_server.h"
#include "hex.h"
#include "pty_device.h"
#include "sim_log.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <poll.h>
#include <unistd.h>

namespace {
volatile std::sig_atomic_t g_stop = 0;
void on_signal(int) {
    g_stop = 1;
}

using clock_type = std::chrono::steady_clock;

struct pending_piece {
    clock_type::time_point due;
    bytes data;
    bytes logged; // what the log shows when this piece goes (a whole reply piece)
};
} // namespace

bool parse_sim_options(int argc, char** argv, sim_options* out, std::string* error) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&](std::string* dst) {
            if (i + 1 >= argc) {
                *error = a + " needs a value";
                return false;
            }
            *dst = argv[++i];
            return true;
        };
        std::string v;
        if (a == "--link") {
            if (!value(&out->link))
                return false;
        } else if (a == "--control-port") {
            if (!value(&v))
                return false;
            out->control_port = std::atoi(v.c_str());
        } else if (a == "--port-file") {
            if (!value(&out->port_file))
                return false;
        } else if (a == "--log") {
            if (!value(&out->log))
                return false;
        } else if (a == "--line-speed") {
            out->line_speed = true;
        } else if (a == "--flow-control") {
            out->flow_control = true;
        } else {
            out->extra.push_back(a);
        }
    }
    if (out->link.empty()) {
        *error = "--link PATH is required";
        return false;
    }
    return true;
}

std::string start_sim(const sim_options& opt, pty_device& pty, control_server& control) {
    pty.set_flow_control(opt.flow_control);
    std::string err = pty.open(opt.link);
    if (!err.empty())
        return err;
    err = control.listen(opt.control_port);
    if (!err.empty())
        return err;
    if (!opt.port_file.empty()) {
        // Written whole under another name, then renamed, so a reader never
        // sees half a number.
        std::string tmp = opt.port_file + ".tmp";
        {
            std::ofstream f(tmp);
            f << control.port() << "\n";
        }
        if (std::rename(tmp.c_str(), opt.port_file.c_str()) != 0)
            return "cannot write " + opt.port_file;
    }
    return "";
}

namespace {
// The loop's queues: reply pieces waiting for their time to go out, and, at
// line speed, bytes received waiting for the time they would have come.
class device_loop {
  public:
    device_loop(pty_device& pty, sim_log& log, const device_hooks& hooks, bool line_speed)
        : pty_(pty), log_(log), hooks_(hooks), line_speed_(line_speed) {}

    void send_due() {
        const auto now = clock_type::now();
        while (!outgoing_.empty() && outgoing_.front().due <= now) {
            const bytes& d = outgoing_.front().data;
            if (!d.empty() && pty_.master_fd() >= 0) {
                ssize_t w = ::write(pty_.master_fd(), d.data(), d.size());
                if (!outgoing_.front().logged.empty() || w < 0)
                    log_.write("TX",
                               to_hex(outgoing_.front().logged) + (w < 0 ? " (write failed)" : ""));
            }
            outgoing_.pop_front();
        }
    }

    // Received bytes whose time has come, handed on.
    void take_due_input() {
        while (!incoming_.empty() && incoming_.front().due <= clock_type::now()) {
            const bytes d = incoming_.front().data;
            incoming_.pop_front();
            schedule(hooks_.on_input(d.data(), d.size()));
        }
    }

    // How long the poll may wait: until the next piece is due, 200 ms at most.
    int poll_timeout() const {
        int timeout = 200;
        for (const auto* q : {&outgoing_, &incoming_}) {
            if (q->empty())
                continue;
            auto us = std::chrono::duration_cast<std::chrono::microseconds>(q->front().due -
                                                                            clock_type::now())
                          .count();
            timeout =
                std::min(timeout, static_cast<int>(std::max<long long>(0, (us + 999) / 1000)));
        }
        return timeout;
    }

    void read_line() {
        std::uint8_t buf[512];
        ssize_t n = ::read(pty_.master_fd(), buf, sizeof buf);
        const auto per_byte = byte_time();
        if (n > 0 && per_byte.count() == 0) {
            schedule(hooks_.on_input(buf, static_cast<std::size_t>(n)));
        } else if (n > 0) {
            clock_type::time_point t = std::max(
                clock_type::now(), incoming_.empty() ? clock_type::now() : incoming_.back().due);
            for (ssize_t i = 0; i < n; ++i) {
                t += per_byte;
                incoming_.push_back({t, bytes{buf[i]}, {}});
            }
        }
    }

  private:
    // On a real line a byte takes 10 bit times (start, 8 data, stop) at the
    // speed the program set; a pseudo-terminal moves it at once.
    std::chrono::microseconds byte_time() const {
        termios t;
        const long speed = line_speed_ && pty_.line_settings(&t) ? ::line_speed(t) : 0;
        return std::chrono::microseconds(speed > 0 ? 10000000 / speed : 0);
    }

    void schedule(const std::vector<reply_chunk>& chunks) {
        clock_type::time_point t = outgoing_.empty() ? clock_type::now() : outgoing_.back().due;
        const auto per_byte = byte_time();
        for (const auto& c : chunks) {
            t += std::chrono::milliseconds(c.delay_ms);
            if (per_byte.count() == 0) {
                outgoing_.push_back({t, c.data, c.data});
                continue;
            }
            for (std::size_t i = 0; i < c.data.size(); ++i) { // each after the one before
                t += per_byte;
                outgoing_.push_back({t, bytes{c.data[i]}, i == 0 ? c.data : bytes{}});
            }
        }
    }

    pty_device& pty_;
    sim_log& log_;
    const device_hooks& hooks_;
    bool line_speed_;
    std::deque<pending_piece> outgoing_;
    std::deque<pending_piece> incoming_;
};
} // namespace

int run_device_loop(pty_device& pty, control_server& control, sim_log& log,
                    const device_hooks& hooks, bool line_speed) {
    std::signal(SIGTERM, on_signal);
    std::signal(SIGINT, on_signal);
    std::signal(SIGPIPE, SIG_IGN);
    device_loop loop(pty, log, hooks, line_speed);
    while (!g_stop && !hooks.should_quit()) {
        loop.send_due();
        std::vector<pollfd> fds;
        // An unplugged device (fd -1) is left out of the poll.
        fds.push_back({pty.master_fd(), static_cast<short>(pty.master_fd() < 0 ? 0 : POLLIN), 0});
        for (int fd : control.fds())
            fds.push_back({fd, POLLIN, 0});
        loop.take_due_input();
        int r = ::poll(fds.data(), fds.size(), loop.poll_timeout());
        if (r < 0) {
            if (errno == EINTR)
                continue;
            log.write("ERR", std::string("poll: ") + std::strerror(errno));
            return 1;
        }
        if (pty.master_fd() >= 0 && (fds[0].revents & POLLIN))
            loop.read_line();
        for (std::size_t i = 1; i < fds.size(); ++i)
            if (fds[i].revents & (POLLIN | POLLHUP | POLLERR))
                control.serve(fds[i].fd, hooks.on_control);
    }
    return 0;
}
