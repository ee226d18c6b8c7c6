#include <winsock2.h> // before windows.h

#include "e2e_support.h"

#include <cstdlib>
#include <sstream>

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

struct winsock {
    winsock() {
        WSADATA d;
        WSAStartup(MAKEWORD(2, 2), &d);
    }
    ~winsock() { WSACleanup(); }
};

// A Unix path as Wine names it: Z:\tmp\x for /tmp/x.
std::string windows_path(const std::string& unix_path) {
    std::string w = "Z:";
    for (char c : unix_path)
        w += c == '/' ? '\\' : c;
    return w;
}
} // namespace

bool program::start(const std::wstring& exe, const wchar_t* cls) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    std::wstring cmd = L"\"" + exe + L"\"";
    if (!CreateProcessW(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
        return false;
    return wait_for(
        [&] {
            std::vector<HWND> found = windows_of(pi.dwProcessId, cls);
            main = found.empty() ? nullptr : found.front();
            return main != nullptr;
        },
        30000);
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

void type_over(HWND edit, const std::string& text) {
    if (HWND field = FindWindowExW(edit, nullptr, L"Edit", nullptr))
        edit = field;
    SendMessageW(edit, EM_SETSEL, 0, -1);
    for (char c : text)
        SendMessageW(edit, WM_CHAR, static_cast<WPARAM>(c), 0);
}

std::vector<box> open_boxes(DWORD pid) {
    std::vector<box> out;
    for (HWND w : windows_of(pid, L"#32770")) {
        if (!IsWindowVisible(w))
            continue; // made and not shown yet, or answered and not destroyed yet
        HWND message = GetDlgItem(w, 0xFFFF);
        out.push_back({w, text_of(w), message ? text_of(message) : ""});
    }
    return out;
}

box wait_box(DWORD pid, int timeout_ms) {
    wait_for([&] { return !open_boxes(pid).empty(); }, timeout_ms);
    std::vector<box> boxes = open_boxes(pid);
    return boxes.empty() ? box{} : boxes.front();
}

bool answer_box(const box& b, int id) {
    if (!b.hwnd)
        return false;
    HWND button = GetDlgItem(b.hwnd, id);
    PostMessageW(b.hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return wait_for([&] { return !IsWindow(b.hwnd) || !IsWindowVisible(b.hwnd); });
}

box press_for_message(const box& dialog, int id, DWORD pid) {
    PostMessageW(dialog.hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog.hwnd, id)));
    box message;
    wait_for([&] {
        for (const box& b : open_boxes(pid))
            if (b.hwnd != dialog.hwnd && GetDlgItem(b.hwnd, 0xFFFF))
                message = b;
        return message.hwnd != nullptr;
    });
    return message;
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

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

int sim_com() {
    return std::atoi(env("SIM_COM").c_str());
}

std::vector<std::string> sim_command(const std::string& line) {
    static winsock ws;
    std::vector<std::string> lines;
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<u_short>(std::atoi(env("SIM_CONTROL_PORT").c_str())));
    if (s == INVALID_SOCKET || connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        ADD_FAILURE() << "cannot reach the simulator's control channel";
        return lines;
    }
    std::string out = line + "\n";
    send(s, out.data(), static_cast<int>(out.size()), 0);
    shutdown(s, SD_SEND); // the simulator answers, then closes when it reads the end
    std::string got;
    char buf[4096];
    for (int n; (n = recv(s, buf, sizeof buf, 0)) > 0;)
        got.append(buf, static_cast<std::size_t>(n));
    closesocket(s);
    std::istringstream in(got);
    for (std::string l; std::getline(in, l) && l != "ok";) {
        if (l.rfind("error: ", 0) == 0) {
            ADD_FAILURE() << "simulator: " << line << ": " << l;
            break;
        }
        lines.push_back(l);
    }
    return lines;
}

std::vector<std::string> sim_log_of(const std::string& kind) {
    std::vector<std::string> out;
    for (const std::string& l : sim_command("log")) {
        // "<seconds> <kind> <detail>"
        std::size_t a = l.find(' ');
        if (a == std::string::npos)
            continue;
        std::size_t b = l.find(' ', a + 1);
        if (l.compare(a + 1, b - a - 1, kind) == 0)
            out.push_back(b == std::string::npos ? "" : l.substr(b + 1));
    }
    return out;
}

std::wstring program_path() {
    const std::string path = windows_path(env("VM_PROGRAM"));
    return std::wstring(path.begin(), path.end());
}

namespace {
// The frames of the simulator's log of one kind (RX or TX) whose command
// (bytes 4 and 5) is `cmd`: their bytes after it, the trailer left off.
std::vector<std::string> logged_frames(const char* kind, const std::string& cmd) {
    std::vector<std::string> out;
    for (const std::string& hex : sim_log_of(kind)) {
        std::string bytes;
        for (std::size_t i = 0; i + 1 < hex.size(); i += 3)
            bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
        if (bytes.size() >= 9 && bytes.compare(4, 2, cmd) == 0)
            out.push_back(bytes.substr(6, bytes.size() - 9));
    }
    return out;
}
} // namespace

std::vector<std::string> frames_of(const std::string& cmd) {
    return logged_frames("RX", cmd);
}

std::vector<std::string> replies_to(const std::string& cmd) {
    return logged_frames("TX", cmd);
}

bool overlay_painted(HWND main) {
    POINT p = {300, 40};
    ClientToScreen(main, &p);
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return GetBValue(c) > 200 && GetRValue(c) < 225 && GetRValue(c) > 150;
}

void answer_open_boxes(const program& app) {
    for (const box& b : open_boxes(app.pi.dwProcessId))
        answer_box(b);
}

void program_test::SetUp() {
    sim_command("fault none");
    sim_command("plug");
    sim_command("clear-log");
    reg_delete_key(key);
}

void program_test::TearDown() {
    sim_command("fault none");
    answer_open_boxes(app);
    app.close();
}

void store_settings(const char* key, bool with_port, const char* lang) {
    if (with_port)
        reg_write(key, "Port", ("COM" + std::to_string(sim_com())).c_str());
    reg_write(key, "Lang", lang);
}

void program_test::start(bool with_port, const char* lang) {
    store_settings(key, with_port, lang);
    start();
}

void program_test::close_and_expect_first_start_settings() {
    ASSERT_TRUE(app.close());
    EXPECT_EQ(app.exit_code, 0u);
    EXPECT_EQ(reg_read(key, "Port"), "COM0");
    EXPECT_EQ(reg_read(key, "Lang"), "0");
#ifndef _WIN64 // the x86-64 build (for machines without 32-bit programs) keeps its own view
    EXPECT_FALSE(reg_key_in_64bit_view(key)) << "kept in the 32-bit view (Wow6432Node)";
#endif
}
