// The settings store in the registry, under HKEY_LOCAL_MACHINE.
#include "store.h"

#include "win32_handles.h"

#include <windows.h>

bool store_open(const char* path) {
    DWORD disposition = 0;
    HKEY key = nullptr;
    LONG rc = RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_READ | KEY_WRITE,
                              nullptr, &key, &disposition);
    win32().key = rc == ERROR_SUCCESS ? key : nullptr;
    return win32().key != nullptr;
}

bool store_open_existing(const char* path) {
    HKEY key = nullptr;
    const LONG rc = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key);
    win32().key = rc == ERROR_SUCCESS ? key : nullptr;
    return win32().key != nullptr;
}

void store_close() {
    if (win32().key)
        RegCloseKey(win32().key);
    win32().key = nullptr;
}

bool store_write(const char* name, const char* text) {
    if (!win32().key)
        return false;
    DWORD size = static_cast<DWORD>(lstrlenA(text) + 1);
    return RegSetValueExA(win32().key, name, 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(text),
                          size) == ERROR_SUCCESS;
}

bool store_read(const char* name, char* buffer, std::size_t size) {
    if (!win32().key || size == 0)
        return false;
    // One byte kept back, so that a value stored without its terminator is
    // still read as a terminated text.
    DWORD bytes = static_cast<DWORD>(size - 1);
    LONG rc = RegQueryValueExA(win32().key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer),
                               &bytes);
    if (rc != ERROR_SUCCESS)
        return false;
    buffer[bytes < size ? bytes : size - 1] = '\0';
    return true;
}
