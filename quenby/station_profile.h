#pragma once
// A station's configuration as a profile: a text a person reads and edits,
// one "key = value" a line, "#" to the end of a line a comment.
//
//   language = French
//   sockets = 2
//   mode = simultaneous
//   socket1.type = Type 3C       (and .locking .contactor .meter .imax .imax_s)
//
// The values are the setup form's option names in English (either case) and
// the currents as whole numbers. mode and the socket2 keys may be left out of
// a one-socket profile.

#include "config_check.h"
#include "station_config.h"

#include <istream>
#include <map>
#include <string>
#include <vector>

// What a station sent that no option holds, by key: the code as it came.
using unknown_codes = std::map<std::string, std::string>;

struct station_profile {
    station_config config;
    std::map<std::string, int> lines; // the line of each key given
};

// A line that has no meaning, or a key that is missing (line 0).
struct profile_error {
    int line = 0;
    std::string text;
};

struct profile_entry {
    std::string key, value;
    bool unknown = false; // the value is a code the station sent that no option holds
};

// The keys and values of a configuration in the profile's order; a key in
// `unknown` shows the station's code instead.
std::vector<profile_entry> profile_entries(const station_config& config,
                                           const unknown_codes& unknown = {});

// The whole profile: the comment line `header`, then one line a key.
std::string profile_text(const station_config& config, const unknown_codes& unknown,
                         const std::string& header);

// Reads a profile. True when every line has a meaning and no key is missing;
// otherwise every error, in the order of the lines.
bool read_profile(std::istream& in, station_profile* profile, std::vector<profile_error>* errors);

// The key a failed rule of the form points at ("socket2.imax_s").
std::string key_of(const check_failure& failure);

struct profile_difference {
    std::string key, profile, station;
};

// Key by key, what the station holds that differs from the profile: the keys
// a Write sends (socket 2 and the mode only for a two-socket profile), the
// currents compared as numbers.
std::vector<profile_difference> profile_differences(const station_config& profile,
                                                    const station_config& station,
                                                    const unknown_codes& unknown = {});
