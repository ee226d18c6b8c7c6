// The listener's side of OutputDebugString: the shared buffer and its two
// events, which every program of the session writes its debug lines through
// while a listener holds them.
#include "debug_log.h"

#include "companion_texts.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {
volatile LONG g_stop = 0;

BOOL WINAPI on_console_event(DWORD) {
    InterlockedExchange(&g_stop, 1);
    return TRUE;
}

struct debug_channel {
    HANDLE mutex = nullptr, buffer_ready = nullptr, data_ready = nullptr, mapping = nullptr;
    const char* view = nullptr;
    ~debug_channel() {
        if (view)
            UnmapViewOfFile(view);
        for (HANDLE h : {mapping, data_ready, buffer_ready, mutex})
            if (h)
                CloseHandle(h);
    }
    // False with *error when another listener holds the channel or it could
    // not be made.
    bool open(std::string* error) {
        mutex = CreateMutexW(nullptr, FALSE, L"DBWinMutex");
        buffer_ready = CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_BUFFER_READY");
        if (buffer_ready && GetLastError() == ERROR_ALREADY_EXISTS) {
            *error = qtext(QT_LOG_BUSY);
            return false;
        }
        data_ready = CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_DATA_READY");
        mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096,
                                     L"DBWIN_BUFFER");
        if (mapping)
            view = static_cast<const char*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 4096));
        if (!mutex || !buffer_ready || !data_ready || !view) {
            *error =
                qtext(QT_LOG_CHANNEL, {qtext(QT_SYSTEM_ERROR, {std::to_string(GetLastError())})});
            return false;
        }
        return true;
    }
    // The next string (process id, then text), or false after wait_ms.
    bool next(std::string* text, DWORD wait_ms) {
        if (WaitForSingleObject(data_ready, wait_ms) != WAIT_OBJECT_0)
            return false;
        const char* s = view + sizeof(DWORD);
        *text = std::string(s, strnlen(s, 4096 - sizeof(DWORD)));
        return true;
    }
};

HANDLE open_record(const std::string& path, std::string* error) {
    if (path.empty())
        return GetStdHandle(STD_OUTPUT_HANDLE);
    const int size = MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 1), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, &wide[0], size);
    HANDLE f = CreateFileW(wide.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE)
        *error = qtext(QT_CANNOT_WRITE_WHY,
                       {path, qtext(QT_SYSTEM_ERROR, {std::to_string(GetLastError())})});
    return f;
}
} // namespace

int record_debug_output(const std::string& path, int seconds) {
    debug_channel channel;
    std::string error;
    HANDLE out = channel.open(&error) ? open_record(path, &error) : INVALID_HANDLE_VALUE;
    if (out == INVALID_HANDLE_VALUE || !error.empty()) {
        std::fprintf(stderr, "quenby log: %s\n", error.c_str());
        return 1;
    }
    SetConsoleCtrlHandler(on_console_event, TRUE);
    std::fprintf(
        stderr, "quenby log: %s\n",
        (path.empty() ? qtext(QT_LOG_RECORDING) : qtext(QT_LOG_RECORDING_INTO, {path})).c_str());
    const DWORD start = GetTickCount();
    SetEvent(channel.buffer_ready);
    int status = 0;
    while (!g_stop &&
           (seconds <= 0 || GetTickCount() - start < static_cast<DWORD>(seconds) * 1000)) {
        std::string text;
        if (!channel.next(&text, 200))
            continue;
        const std::string lines = stamped_lines(sys_local_time(), text);
        SetEvent(channel.buffer_ready); // the next string may come while this one is written
        DWORD written = 0;
        if (!WriteFile(out, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr) ||
            written != lines.size()) {
            std::fprintf(stderr, "quenby log: %s\n", qtext(QT_LOG_NOT_WRITTEN).c_str());
            status = 1;
            break;
        }
        if (!path.empty())
            FlushFileBuffers(out);
    }
    if (!path.empty())
        CloseHandle(out);
    return status;
}
