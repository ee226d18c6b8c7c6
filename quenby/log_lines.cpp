#include "debug_log.h"

#include "clock_text.h"

std::string stamped_lines(const local_time& t, const std::string& text) {
    const std::string stamp = clock_stamp(t) + " ";
    std::string out;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t end = text.find('\n', from);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(from, end - from);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            out += stamp + line + "\n";
        from = end + 1;
    }
    return out;
}
