#pragma once
// UTF-8 to UTF-16 for the wide-character Win32 calls.

#include <string>

std::wstring widen(const char* utf8);
