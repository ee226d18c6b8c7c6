#pragma once
// An in-memory settings store: keys of named text values, with failures on
// demand. Logs "store-open PATH", "store-write NAME TEXT", "store-close".

#include <map>
#include <string>

namespace fake {

struct store_state {
    std::map<std::string, std::map<std::string, std::string>> keys;
    bool open_fails = false;
    bool write_fails = false;
    std::string open_key; // empty while closed or after a failed open
};

store_state& store();
void reset_store();

} // namespace fake
