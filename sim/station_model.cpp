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
    bool silent = (fault_.silent_after_close && closed_) || fault_.silent_on.count(query) > 0;
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
    if ((s == "L" || s == "N" || s == "P1" || s == "P2"))
        return query(s);
    // A station that ignores set commands answers the queries from what it
    // held, and counts the closing commands and reboots all the same.
    if (!fault_.ignore_sets || c[0] == 'A' || c[0] == 'R')
        apply(s);
    // Some stations acknowledge every command that sets something.
    if (fault_.acknowledge_sets && c[0] != 'R')
        return {'O', 'K', '\r'};
    return {};
}

bytes station_model::query(const std::string& s) {
    if (s == "L")
        return answer("L", "L=" + state_.language);
    if (s == "N")
        return answer("N", "N=" + state_.count);
    return answer(s, s + "0" + state_.sockets[s[1] - '1']);
}

void station_model::apply(const std::string& s) {
    switch (s[0]) {
    case 'L':
        if (s.size() == 3)
            state_.language = s.substr(1);
        break;
    case 'N':
        if (s == "N1" || s == "N2C" || s == "N2A")
            state_.count = s.substr(1);
        break;
    case 'P':
        if (s.size() == 12 && (s[1] == '1' || s[1] == '2') && valid_block(s.substr(2)))
            state_.sockets[s[1] - '1'] = s.substr(2);
        break;
    case 'D':
    case 'O':
        if (s.size() == 4) {
            auto& field = s[0] == 'D' ? state_.date : state_.time;
            field = {static_cast<std::uint8_t>(s[1]), static_cast<std::uint8_t>(s[2]),
                     static_cast<std::uint8_t>(s[3])};
            (s[0] == 'D' ? state_.date_set : state_.time_set) = true;
        }
        break;
    case 'A':
        if (s == "A00000000")
            ++state_.closings;
        break;
    case 'R':
        if (s.size() == 1)
            ++state_.reboots;
        break;
    default:
        break;
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
