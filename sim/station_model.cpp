#include "station_model.h"

namespace {
bool valid_block(const std::string& b) {
    if (b.size() != 10)
        return false;
    for (char c : b)
        if (c < 0x20 || c > 0x7E)
            return false;
    return true;
}
} // namespace

std::vector<reply_chunk> station_model::feed(const std::uint8_t* data, std::size_t count,
                                             const std::function<void(const bytes&)>& on_command) {
    std::vector<reply_chunk> out;
    for (std::size_t i = 0; i < count; ++i) {
        if (data[i] != 0x0D) {
            if (partial_.size() < 256)
                partial_.push_back(data[i]);
            continue;
        }
        bytes command = partial_;
        partial_.clear();
        on_command(command);
        bytes a = execute(command);
        if (!a.empty())
            out.push_back({0, a});
    }
    return out;
}

bytes station_model::answer(const std::string& query, const std::string& own) {
    std::string text = own;
    bool silent = fault_.silent_after_close && closed_;
    if (fault_.remaining != 0) {
        auto it = fault_.answers.find(query);
        bool applies = fault_.silent || it != fault_.answers.end();
        if (applies) {
            silent = fault_.silent;
            if (it != fault_.answers.end())
                text = it->second;
            if (fault_.remaining > 0)
                --fault_.remaining;
        }
    }
    if (silent)
        return {};
    text += '\r';
    return bytes(text.begin(), text.end());
}

bytes station_model::execute(const bytes& c) {
    if (c.empty())
        return {};
    const std::string s(c.begin(), c.end());
    if (s == "A00000000")
        closed_ = true;
    // A station that ignores set commands answers the queries from what it
    // held, and counts the closing commands and reboots all the same.
    const bool query = c.size() == 1 || (c[0] == 'P' && c.size() == 2);
    if (fault_.ignore_sets && !query && c[0] != 'A' && c[0] != 'R')
        return {};
    switch (c[0]) {
    case 'L':
        if (c.size() == 1)
            return answer("L", "L=" + state_.language);
        if (c.size() == 3)
            state_.language = s.substr(1);
        return {};
    case 'N':
        if (c.size() == 1)
            return answer("N", "N=" + state_.count);
        if (s == "N1" || s == "N2C" || s == "N2A")
            state_.count = s.substr(1);
        return {};
    case 'P':
        if (c.size() == 2 && (c[1] == '1' || c[1] == '2'))
            return answer(s, s + "0" + state_.sockets[c[1] - '1']);
        if (c.size() == 12 && (c[1] == '1' || c[1] == '2') && valid_block(s.substr(2)))
            state_.sockets[c[1] - '1'] = s.substr(2);
        return {};
    case 'D':
        if (c.size() == 4) {
            state_.date = {c[1], c[2], c[3]};
            state_.date_set = true;
        }
        return {};
    case 'O':
        if (c.size() == 4) {
            state_.time = {c[1], c[2], c[3]};
            state_.time_set = true;
        }
        return {};
    case 'A':
        if (s == "A00000000")
            ++state_.closings;
        return {};
    case 'R':
        if (c.size() == 1)
            ++state_.reboots;
        return {};
    default:
        return {};
    }
}

std::string station_model::set(const std::string& a) {
    std::size_t eq = a.find('=');
    if (eq == std::string::npos)
        return "want KEY=VALUE, got " + a;
    std::string key = a.substr(0, eq), value = a.substr(eq + 1);
    if (key == "language" && value.size() == 2)
        state_.language = value;
    else if (key == "count" && (value == "1" || value == "2C" || value == "2A"))
        state_.count = value;
    else if ((key == "socket1" || key == "socket2") && valid_block(value))
        state_.sockets[key[6] - '1'] = value;
    else
        return "bad setting " + a;
    return "";
}
