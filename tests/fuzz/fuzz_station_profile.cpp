// Any text as a station profile: a profile that is read is written out and
// read back to the same profile.
#include "language.h"
#include "station_profile.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

namespace {
// The profile's lines without its comments (a one-socket profile shows
// socket 2 and the mode as comments: not part of it).
std::string keys_of(const std::string& text) {
    std::istringstream in(text);
    std::string keys;
    for (std::string line; std::getline(in, line);)
        if (line.rfind('#', 0) != 0)
            keys += line + "\n";
    return keys;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lang_set(LANGUAGE_ENGLISH);
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    station_profile p;
    std::vector<profile_error> errors;
    const bool read = read_profile(in, &p, &errors);
    if (read != errors.empty())
        __builtin_trap();
    if (!read)
        return 0;
    const std::string text = profile_text(p.config, {}, "round trip");
    std::istringstream again(text);
    station_profile q;
    if (!read_profile(again, &q, &errors) ||
        keys_of(profile_text(q.config, {}, "round trip")) != keys_of(text) ||
        !profile_differences(p.config, q.config).empty())
        __builtin_trap();
    return 0;
}
