#pragma once
// UTF-8 to UTF-16 and back for the wide-character Win32 calls.

#include <string>

std::wstring widen(const char* utf8);

std::string narrow(const wchar_t* utf16);
