#include "trace.h"

#include "system.h"

namespace {
// "<program> <ms> <kind> ", the start of every trace line.
std::string trace_prefix(const char* program, const char* kind) {
    return std::string(program ? program : "?") + " " + std::to_string(sys_now_ms()) + " " + kind +
           " ";
}
} // namespace

std::string trace_line(const char* program, const char* direction, const std::uint8_t* bytes,
                       std::size_t count, const char* outcome) {
    static const char digits[] = "0123456789ABCDEF";
    std::string line = trace_prefix(program, direction);
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        line += digits[bytes[i] >> 4];
        line += digits[bytes[i] & 0x0F];
        line += ' ';
        text += bytes[i] >= 0x20 && bytes[i] < 0x7F ? static_cast<char>(bytes[i]) : '.';
    }
    return line + "|" + text + "| " + outcome + "\n";
}

void trace_bytes(const char* program, const char* direction, const std::uint8_t* bytes,
                 std::size_t count, const char* outcome) {
    sys_debug_output(trace_line(program, direction, bytes, count, outcome).c_str());
}

void trace_event(const char* program, const char* kind, const std::string& text) {
    sys_debug_output((trace_prefix(program, kind) + text + "\n").c_str());
}
