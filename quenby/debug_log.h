#pragma once
// `quenby log`: the debug output of the three programs (their trace of every
// exchange), recorded line by line with the local date and time.

#include "system.h"

#include <string>

// Records until Ctrl+C, or for `seconds` when above 0, into the file at path
// (appended to; standard output when empty), each line written and flushed
// as it comes. The exit status: 0, or 1 with the reason on standard error.
int record_debug_output(const std::string& path, int seconds);

// The debug string as the lines of the record: each of its lines (a string
// may hold several, or none ended) after "2026-12-08 04:30:12 ".
std::string stamped_lines(const local_time& when, const std::string& text);
