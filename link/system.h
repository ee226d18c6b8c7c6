#pragma once
// Seams to the rest of the operating system that the portable core needs:
// waiting, a monotonic clock and the modal message box.

#include <cstdint>

void sys_sleep_ms(int ms);

// Milliseconds from an arbitrary start; never goes backwards.
std::int64_t sys_now_ms();

// Modal message box, OK button only, no owner window. Texts are UTF-8.
void sys_message_box(const char* caption, const char* text);

struct local_time {
    int year, month, day, hour, minute, second;
};

// The local date and time now.
local_time sys_local_time();

// One line for a debug-output viewer (OutputDebugStringA on Windows): it
// goes nowhere, at no cost, when nobody listens.
void sys_debug_output(const char* line);
