// Waiting, the clock and the debug output on POSIX systems, for the console
// companion: its debug lines go to standard error when QUENBY_TRACE is set.
#include "system.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <time.h>

void sys_sleep_ms(int ms) {
    if (ms <= 0)
        return;
    timespec t{ms / 1000, static_cast<long>(ms % 1000) * 1000000L};
    while (nanosleep(&t, &t) != 0 && errno == EINTR) {
    }
}

std::int64_t sys_now_ms() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<std::int64_t>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

local_time sys_local_time() {
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

void sys_debug_output(const char* line) {
    static const bool wanted = std::getenv("QUENBY_TRACE") != nullptr;
    if (wanted)
        std::fprintf(stderr, "%s", line);
}
