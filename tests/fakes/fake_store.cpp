#include "fake_store.h"

#include "fake_device.h"
#include "store.h"

#include <cstring>

namespace fake {

store_state& store() {
    static store_state s;
    return s;
}

void reset_store() {
    store() = store_state();
}

} // namespace fake

using fake::store;

bool store_open(const char* path) {
    fake::events().push_back(std::string("store-open ") + path);
    if (store().open_fails) {
        store().open_key.clear();
        return false;
    }
    store().open_key = path;
    store().keys[path];
    return true;
}

bool store_open_existing(const char* path) {
    fake::events().push_back(std::string("store-open-existing ") + path);
    const bool there = !store().open_fails && store().keys.count(path) > 0;
    store().open_key = there ? path : "";
    return there;
}

void store_close() {
    fake::events().push_back("store-close");
    store().open_key.clear();
}

bool store_write(const char* name, const char* text) {
    fake::events().push_back(std::string("store-write ") + name + " " + text);
    if (store().open_key.empty() || store().write_fails)
        return false;
    store().keys[store().open_key][name] = text;
    return true;
}

bool store_read(const char* name, char* buffer, std::size_t size) {
    if (store().open_key.empty())
        return false;
    auto& values = store().keys[store().open_key];
    auto it = values.find(name);
    if (it == values.end() || it->second.size() >= size)
        return false;
    std::memcpy(buffer, it->second.c_str(), it->second.size() + 1);
    return true;
}
