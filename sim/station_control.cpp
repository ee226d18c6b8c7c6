#include "station_control.h"

#include <cstdio>

namespace {
std::string unescape(const std::string& t) {
    std::string out;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] != '\\' || i + 1 >= t.size()) {
            out += t[i];
            continue;
        }
        char c = t[++i];
        int v = 0;
        if (c == 'r')
            out += '\r';
        else if (c == 'n')
            out += '\n';
        else if (c == 'x' && i + 2 < t.size() + 0 && parse_int(t.substr(i + 1, 2), 16, &v)) {
            out += static_cast<char>(v);
            i += 2;
        } else
            out += c;
    }
    return out;
}

std::string hex3(const std::array<std::uint8_t, 3>& b) {
    char s[16];
    std::snprintf(s, sizeof s, "%02X %02X %02X", b[0], b[1], b[2]);
    return s;
}

std::string set_fault(station_sim_state& s, const std::vector<std::string>& w) {
    station_fault f;
    std::size_t n = w.size();
    if (n >= 3 && w[n - 1].size() > 1 && w[n - 1][0] == 'x') {
        if (!parse_int(w[n - 1].substr(1), 10, &f.remaining) || f.remaining < 1)
            return "bad count " + w[n - 1];
        --n;
    }
    const std::string kind = n > 1 ? w[1] : "";
    if (kind == "none" && n == 2) {
        f = station_fault();
    } else if (kind == "silence" && n == 2) {
        f.silent = true;
    } else if (kind == "ignore-sets" && n == 2) {
        f.ignore_sets = true;
    } else if (kind == "silent-after-closing" && n == 2) {
        f.silent_after_close = true;
    } else if (kind == "acknowledge-sets" && n == 2) {
        f.acknowledge_sets = true;
    } else if (kind == "silent-on" && n >= 3) {
        for (std::size_t i = 2; i < n; ++i) {
            if (w[i] != "L" && w[i] != "N" && w[i] != "P1" && w[i] != "P2")
                return "silent-on L|N|P1|P2...";
            f.silent_on.insert(w[i]);
        }
    } else if (kind == "answer" && n >= 4 &&
               (w[2] == "L" || w[2] == "N" || w[2] == "P1" || w[2] == "P2")) {
        std::string text;
        for (std::size_t i = 3; i < n; ++i)
            text += (i > 3 ? " " : "") + w[i];
        f.answers[w[2]] = unescape(text);
    } else {
        return "fault none | silence | ignore-sets | silent-after-closing | acknowledge-sets | "
               "silent-on L|N|P1|P2... | answer L|N|P1|P2 TEXT, then xN if wanted";
    }
    s.station.set_fault(f);
    return "";
}
} // namespace

std::string station_control(station_sim_state& s, const std::vector<std::string>& w,
                            std::vector<std::string>* out) {
    std::string error;
    if (common_control(s, w, out, &error))
        return error;
    const std::string& cmd = w[0];
    station_state& st = s.station.state();
    if (cmd == "set") {
        for (std::size_t i = 1; i < w.size(); ++i) {
            std::string e = s.station.set(w[i]);
            if (!e.empty())
                return e;
        }
        return w.size() > 1 ? "" : "set needs KEY=VALUE";
    }
    if (cmd == "config") {
        out->push_back("language " + st.language);
        out->push_back("count " + st.count);
        out->push_back("socket1 " + st.sockets[0]);
        out->push_back("socket2 " + st.sockets[1]);
        out->push_back("date " + (st.date_set ? hex3(st.date) : std::string("unset")));
        out->push_back("time " + (st.time_set ? hex3(st.time) : std::string("unset")));
        out->push_back("closings " + std::to_string(st.closings));
        out->push_back("reboots " + std::to_string(st.reboots));
        return "";
    }
    if (cmd == "fault")
        return set_fault(s, w);
    return "unknown command " + cmd;
}
