#pragma once
// A trace of every exchange with the device, one line each, for a debug-output
// viewer (on Windows any viewer of OutputDebugString; under Wine,
// WINEDEBUG=+debugstr):
//
//   <program> <ms> <TX|RX> <bytes as hex> |<bytes as text>| <outcome>
//
// e.g. "tandor 1234567 TX 01 46 46 02 31 38 03 09 0D |.FF.18...| sent". The
// milliseconds are the monotonic clock's; the text shows printable ASCII as
// it is and every other byte as '.'. Outcomes: sent, write failed (TX);
// reply, NAK, short reply, no reply (RX). link_open adds one line per open:
// "<program> <ms> OPEN <device> <outcome>" (see device_link.h).

#include <cstddef>
#include <cstdint>
#include <string>

// `program` names the program the line is of (a device link's profile).
void trace_bytes(const char* program, const char* direction, const std::uint8_t* bytes,
                 std::size_t count, const char* outcome);

// A line of another kind: "<program> <ms> <kind> <text>".
void trace_event(const char* program, const char* kind, const std::string& text);

// The line trace_bytes sends, for the tests.
std::string trace_line(const char* program, const char* direction, const std::uint8_t* bytes,
                       std::size_t count, const char* outcome);
