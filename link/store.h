#pragma once
// The per-machine key-value store seam (the registry under
// HKEY_LOCAL_MACHINE on Windows). One key open at a time. No message boxes
// here: failures are returned.

#include <cstddef>

// Creates the key, or opens it when it exists. True on success.
[[nodiscard]] bool store_open(const char* path);
// Opens the key for reading when it exists, creating nothing. True on
// success.
[[nodiscard]] bool store_open_existing(const char* path);
void store_close();

// Stores text under name as an expandable-string value. True on success.
[[nodiscard]] bool store_write(const char* name, const char* text);

// Reads the value name into buffer (at most size - 1 bytes and a
// terminator). True on success; false when absent, unreadable, or longer.
[[nodiscard]] bool store_read(const char* name, char* buffer, std::size_t size);
