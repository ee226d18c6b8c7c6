#include "automation.h"

#include <cstdio>
#include <cstdlib>

namespace {
struct search {
    DWORD pid;
    const wchar_t* cls;
    std::vector<HWND> found;
};

BOOL CALLBACK search_proc(HWND w, LPARAM lp) {
    auto* s = reinterpret_cast<search*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    wchar_t cls[64];
    if (pid == s->pid && IsWindowVisible(w) && GetClassNameW(w, cls, 64) &&
        lstrcmpW(cls, s->cls) == 0)
        s->found.push_back(w);
    return TRUE;
}

// The visible top-level windows of class cls of process pid.
std::vector<HWND> windows_of(DWORD pid, const wchar_t* cls) {
    search s{pid, cls, {}};
    EnumWindows(search_proc, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

} // namespace

bool program::start(const std::wstring& exe, const wchar_t* cls) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    std::wstring cmd = L"\"" + exe + L"\"";
    if (!CreateProcessW(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
        return false;
    wait_for([&] { return !windows_of(pi.dwProcessId, cls).empty(); }, 30000);
    std::vector<HWND> found = windows_of(pi.dwProcessId, cls);
    main = found.empty() ? nullptr : found.front();
    return main != nullptr;
}

bool program::close() {
    if (!pi.hProcess)
        return true;
    if (main)
        PostMessageW(main, WM_CLOSE, 0, 0);
    bool ended = WaitForSingleObject(pi.hProcess, 20000) == WAIT_OBJECT_0;
    GetExitCodeProcess(pi.hProcess, &exit_code);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    pi = PROCESS_INFORMATION{};
    main = nullptr;
    return ended;
}

program::~program() {
    if (pi.hProcess) {
        TerminateProcess(pi.hProcess, 99);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
}

HWND program::child(int id) const {
    return GetDlgItem(main, id);
}

void program::command(int id) const {
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

std::string text_of(HWND w) {
    char buffer[1024] = {};
    SendMessageTimeoutA(w, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_NORMAL,
                        5000, nullptr);
    return buffer;
}

void type_into(HWND edit, const std::string& text) {
    SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL,
                        5000, nullptr);
}

bool visible(HWND w) {
    return w && IsWindowVisible(w);
}
bool enabled(HWND w) {
    return w && IsWindowEnabled(w);
}

int checked(HWND button) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(button, BM_GETCHECK, 0, 0, SMTO_NORMAL, 5000, &result);
    return result == BST_CHECKED;
}

std::vector<box> open_boxes(DWORD pid) {
    std::vector<box> out;
    for (HWND w : windows_of(pid, L"#32770")) {
        HWND message = GetDlgItem(w, 0xFFFF);
        out.push_back({w, text_of(w), message ? text_of(message) : ""});
    }
    return out;
}

box wait_box(DWORD pid, int timeout_ms) {
    box found;
    wait_for(
        [&] {
            std::vector<box> boxes = open_boxes(pid);
            if (boxes.empty())
                return false;
            found = boxes.front();
            return true;
        },
        timeout_ms);
    return found;
}

bool answer_box(const box& b, int id) {
    if (!b.hwnd)
        return false;
    HWND button = GetDlgItem(b.hwnd, id);
    PostMessageW(b.hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return wait_for([&] { return !IsWindow(b.hwnd) || !IsWindowVisible(b.hwnd); });
}

// A 32-bit process sees the 32-bit view of the registry, as the programs do.
std::string reg_read(const char* key, const char* name) {
    char buffer[512] = {};
    DWORD size = sizeof buffer - 1;
    RegGetValueA(HKEY_LOCAL_MACHINE, key, name, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                 nullptr, buffer, &size);
    return buffer;
}

void reg_write(const char* key, const char* name, const char* value) {
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, key, name, REG_EXPAND_SZ, value,
                    static_cast<DWORD>(lstrlenA(value) + 1));
}

void reg_write(const char* key, const char* name, DWORD value) {
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, key, name, REG_DWORD, &value, sizeof value);
}

void reg_delete_key(const char* key) {
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, key);
}

bool reg_key_in_64bit_view(const char* key) {
    HKEY k;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ | KEY_WOW64_64KEY, &k) != ERROR_SUCCESS)
        return false;
    RegCloseKey(k);
    return true;
}

COLORREF pixel(HWND main, int x, int y) {
    POINT p = {x, y};
    ClientToScreen(main, &p);
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return c;
}

int red_pixels(HWND main, int left, int top, int right, int bottom) {
    int count = 0;
    HDC screen = GetDC(nullptr);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            POINT p = {x, y};
            ClientToScreen(main, &p);
            COLORREF c = GetPixel(screen, p.x, p.y);
            if (GetRValue(c) > 150 && GetGValue(c) < 80 && GetBValue(c) < 80)
                ++count;
        }
    ReleaseDC(nullptr, screen);
    return count;
}

bool screenshot(HWND main, const std::string& path) {
    RECT r;
    GetClientRect(main, &r);
    POINT origin = {0, 0};
    ClientToScreen(main, &origin);
    int w = r.right, h = r.bottom;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, origin.x, origin.y, SRCCOPY);
    SelectObject(mem, old);
    GdiFlush();
    DWORD row = static_cast<DWORD>((w * 3 + 3) & ~3);
    DWORD size = row * static_cast<DWORD>(h);
    BITMAPFILEHEADER fh{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = fh.bfOffBits + size;
    bool ok = false;
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        ok = std::fwrite(&fh, sizeof fh, 1, f) == 1 &&
             std::fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f) == 1 &&
             std::fwrite(bits, size, 1, f) == 1;
        std::fclose(f);
    }
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return ok;
}

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}
