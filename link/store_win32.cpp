// The settings store in the registry, under HKEY_LOCAL_MACHINE.
#include "store.h"

#include <windows.h>

namespace {
HKEY g_key = nullptr;
}

bool store_open(const char* path) {
    DWORD disposition = 0;
    HKEY key = nullptr;
    LONG rc = RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_READ | KEY_WRITE,
                              nullptr, &key, &disposition);
    g_key = rc == ERROR_SUCCESS ? key : nullptr;
    return g_key != nullptr;
}

void store_close() {
    if (g_key)
        RegCloseKey(g_key);
    g_key = nullptr;
}

bool store_write(const char* name, const char* text) {
    if (!g_key)
        return false;
    DWORD size = static_cast<DWORD>(lstrlenA(text) + 1);
    return RegSetValueExA(g_key, name, 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(text),
                          size) == ERROR_SUCCESS;
}

bool store_read(const char* name, char* buffer, std::size_t size) {
    if (!g_key || size == 0)
        return false;
    // One byte kept back, so that a value stored without its terminator is
    // still read as a terminated text.
    DWORD bytes = static_cast<DWORD>(size - 1);
    LONG rc =
        RegQueryValueExA(g_key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &bytes);
    if (rc != ERROR_SUCCESS)
        return false;
    buffer[bytes < size ? bytes : size - 1] = '\0';
    return true;
}
