#include "e2e_support.h"

#include <cstdio>

namespace {
// A Unix path as Wine names it: Z:\tmp\x for /tmp/x.
std::string windows_path(const std::string& unix_path) {
    std::string w = "Z:";
    for (char c : unix_path)
        w += c == '/' ? '\\' : c;
    return w;
}

int hex_value(char c) {
    return c <= '9' ? c - '0' : c - 'A' + 10;
}
} // namespace

std::wstring program_path() {
    const std::string path = windows_path(env("VM_PROGRAM"));
    return std::wstring(path.begin(), path.end());
}

bool shot(HWND main, const std::string& name, const std::string& what) {
    const std::string dir = env("VM_SHOTS");
    if (dir.empty() || !screenshot(main, windows_path(dir + "/" + name + ".bmp")))
        return false;
    if (FILE* f = std::fopen(windows_path(dir + "/index.txt").c_str(), "a")) {
        std::fprintf(f, "%s.bmp\t%s\n", name.c_str(), what.c_str());
        std::fclose(f);
    }
    return true;
}

std::vector<std::string> frames_of(const std::string& cmd) {
    std::vector<std::string> out;
    for (const std::string& hex : sim_log_of("RX")) {
        std::string bytes;
        for (std::size_t i = 0; i + 1 < hex.size(); i += 3)
            bytes += static_cast<char>(hex_value(hex[i]) * 16 + hex_value(hex[i + 1]));
        if (bytes.size() >= 9 && bytes.compare(4, 2, cmd) == 0)
            out.push_back(bytes.substr(6, bytes.size() - 9));
    }
    return out;
}

bool overlay_painted(HWND main) {
    COLORREF c = pixel(main, 300, 40);
    return GetBValue(c) > 200 && GetRValue(c) < 225 && GetRValue(c) > 150;
}

box expect_box(const program& app) {
    box b = wait_box(app.pi.dwProcessId);
    EXPECT_NE(b.hwnd, nullptr) << "no message box came";
    answer_box(b);
    return b;
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

void program_test::start(bool with_port, const char* lang) {
    if (with_port)
        reg_write(key, "Port", ("COM" + std::to_string(sim_com())).c_str());
    reg_write(key, "Lang", lang);
    start();
}

void program_test::start() {
    ASSERT_TRUE(app.start(program_path(), cls));
}
