#include "event_log.h"

namespace fake {

std::vector<std::string>& events() {
    static std::vector<std::string> e;
    return e;
}

std::vector<std::string> events_of(const std::string& kind) {
    std::vector<std::string> out;
    for (const std::string& e : events())
        if (e.compare(0, kind.size() + 1, kind + " ") == 0)
            out.push_back(e.substr(kind.size() + 1));
        else if (e == kind)
            out.push_back("");
    return out;
}

std::string log_text() {
    std::string out;
    for (const std::string& e : events())
        out += (out.empty() ? "" : "; ") + e;
    return out;
}

} // namespace fake
