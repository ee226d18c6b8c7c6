#pragma once
// Bytes as hex text in logs and control commands.

#include "device_loop.h"

#include <string>

// "01 46 46 02"
std::string to_hex(const bytes& data);

// Hex digit pairs, blanks and colons ignored; false on anything else or an
// odd number of digits.
bool from_hex(const std::string& text, bytes* out);
