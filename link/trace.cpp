#include "trace.h"

#include "profile.h"
#include "system.h"

std::string trace_line(const char* direction, const std::uint8_t* bytes, std::size_t count,
                       const char* outcome) {
    static const char digits[] = "0123456789ABCDEF";
    const program_profile& p = profile_get();
    std::string line = std::string(p.name ? p.name : "?") + " " + std::to_string(sys_now_ms()) +
                       " " + direction + " ";
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        line += digits[bytes[i] >> 4];
        line += digits[bytes[i] & 0x0F];
        line += ' ';
        text += bytes[i] >= 0x20 && bytes[i] < 0x7F ? static_cast<char>(bytes[i]) : '.';
    }
    return line + "|" + text + "| " + outcome + "\n";
}

void trace_bytes(const char* direction, const std::uint8_t* bytes, std::size_t count,
                 const char* outcome) {
    sys_debug_output(trace_line(direction, bytes, count, outcome).c_str());
}
