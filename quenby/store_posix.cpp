// The programs' settings live in the Windows registry: on Linux there is no
// store, and nothing the companion does needs one.
#include "store.h"

bool store_open(const char*) {
    return false;
}

bool store_open_existing(const char*) {
    return false;
}

void store_close() {}

bool store_write(const char*, const char*) {
    return false;
}

bool store_read(const char*, char*, std::size_t) {
    return false;
}
