#include "common_control.h"

#include "pty_device.h"
#include "sim_log.h"

#include <cstdlib>

bool parse_int(const std::string& text, int base, int* out) {
    if (text.empty())
        return false;
    char* end = nullptr;
    long v = std::strtol(text.c_str(), &end, base);
    if (*end != '\0' || v < -1000000 || v > 1000000)
        return false;
    *out = static_cast<int>(v);
    return true;
}

namespace {
// unplug, unplug on=CMD, plug.
std::string plug(sim_common& s, const std::vector<std::string>& w) {
    if (w[0] == "unplug" && w.size() == 2 && w[1].rfind("on=", 0) == 0) {
        s.unplug_on = w[1].substr(3);
        return "";
    }
    if (!s.pty)
        return "no device";
    if (w[0] == "unplug")
        unplug_device(s);
    else if (s.pty->master_fd() < 0)
        return s.pty->open(std::string(s.unplugged_link));
    return "";
}
} // namespace

bool common_control(sim_common& s, const std::vector<std::string>& w, std::vector<std::string>* out,
                    std::string* error) {
    error->clear();
    if (w.empty()) {
        *error = "empty command";
        return true;
    }
    if (s.log) {
        std::string line;
        for (const auto& x : w)
            line += (line.empty() ? "" : " ") + x;
        s.log->write("CTL", line);
    }
    const std::string& cmd = w[0];
    if (cmd == "line") {
        termios t;
        if (!s.pty || !s.pty->line_settings(&t))
            *error = "no line";
        else
            out->push_back(describe_line(t));
        return true;
    }
    if (cmd == "log") {
        if (s.log)
            for (const auto& l : s.log->lines())
                out->push_back(l);
        return true;
    }
    if (cmd == "clear-log") {
        if (s.log)
            s.log->clear();
        return true;
    }
    if (cmd == "unplug" || cmd == "plug") {
        *error = plug(s, w);
        return true;
    }
    if (cmd == "quit") {
        s.quit = true;
        return true;
    }
    return false;
}

void unplug_device(sim_common& s) {
    if (!s.pty)
        return;
    s.pty->unplug();
    s.unplugged_link = s.link;
    s.unplug_on.clear();
}
