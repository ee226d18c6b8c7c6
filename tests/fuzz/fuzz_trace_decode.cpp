// Any text as a recorded trace, in both card layouts.
#include "trace_decode.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const card_layout layout : {card_layout::tandor, card_layout::classic}) {
        trace_decoder decoder(&layout);
        std::istringstream in(text);
        std::ostringstream out;
        decode_lines(in, out, decoder);
        std::size_t lines = 0;
        for (const char c : out.str())
            lines += c == '\n';
        std::size_t in_lines = 0;
        for (const char c : text)
            in_lines += c == '\n';
        // One line out for each line in (the last one may lack its end).
        if (lines != in_lines + (text.empty() || text.back() == '\n' ? 0 : 1))
            __builtin_trap();
    }
    trace_decoder any;
    any.decode(text);
    return 0;
}
