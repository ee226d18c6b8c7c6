#pragma once
// What the end-to-end tests (and the tools that drive the programs the same
// way) share: a small kit for driving our programs through their windows from
// another process, as a person would (start the program, click controls, type
// into fields, read texts, answer message boxes and dialogs, read the registry,
// look at the pixels); the simulator's control channel; and the test fixture.
// Texts in windows and in the registry are in the ANSI code page.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

// Waits for cond() with a generous bound; true when it came.
template <typename F> bool wait_for(F cond, int timeout_ms = 15000) {
    for (int waited = 0; waited < timeout_ms; waited += 25) {
        if (cond())
            return true;
        Sleep(25);
    }
    return cond();
}

struct program {
    PROCESS_INFORMATION pi{};
    HWND main = nullptr;
    DWORD exit_code = STILL_ACTIVE;

    // Starts exe and waits for its main window of class cls to be visible.
    bool start(const std::wstring& exe, const wchar_t* cls);
    // Closes the main window and waits for the process to end.
    bool close();
    ~program();

    HWND child(int id) const { return GetDlgItem(main, id); }
    // A click on a button, or a menu command: posted, so that a message box
    // it opens does not block the caller.
    void command(int id) const { PostMessageW(main, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
};

std::string text_of(HWND w);
void type_into(HWND edit, const std::string& text);
// Types over the whole text of an edit control, or of a combo box's edit
// field, key by key as a technician does.
void type_over(HWND edit, const std::string& text);
inline bool visible(HWND w) {
    return w && IsWindowVisible(w);
}
inline bool enabled(HWND w) {
    return w && IsWindowEnabled(w);
}

// A dialog or message box of the process, other than the main window.
struct box {
    HWND hwnd = nullptr;
    std::string caption;
    std::string text; // the message of a message box
};
// The open boxes of process pid.
std::vector<box> open_boxes(DWORD pid);
// Waits for a box of process pid; an empty box when none came.
box wait_box(DWORD pid, int timeout_ms = 15000);
// Presses OK (or the button with `id`) of a box and waits for it to go.
bool answer_box(const box& b, int id = IDOK);
// Presses a button of a dialog that answers with a message box of its own
// (so it stays open while that box is), and returns that message box: an
// empty box when none came.
box press_for_message(const box& dialog, int id, DWORD pid);
// Presses OK on every box the program has open now.
void answer_open_boxes(const program& app);

// Registry values under HKEY_LOCAL_MACHINE, in its 32-bit view: where the
// 32-bit programs keep their settings on 64-bit Windows (Wow6432Node).
std::string reg_read(const char* key, const char* name);
void reg_write(const char* key, const char* name, const char* value); // REG_EXPAND_SZ
void reg_write(const char* key, const char* name, DWORD value);
void reg_delete_key(const char* key);
// Whether the key exists in the 64-bit view (where a 64-bit program's would be).
bool reg_key_in_64bit_view(const char* key);
// Stores a program's two settings under `key`: the simulator's port (when
// with_port) and the language index.
void store_settings(const char* key, bool with_port, const char* lang);

// How many pixels in a rectangle of the main window's client area are
// reddish (R > 150, G and B < 80).
int red_pixels(HWND main, int left, int top, int right, int bottom);
// The card writers' overlay is painted: its pale header band shows where the
// skin would be.
bool overlay_painted(HWND main);

// The environment variable, or "".
std::string env(const char* name);
// The Windows path of the program under test (VM_PROGRAM, a Unix path).
std::wstring program_path();

// The simulator's control channel (its port is SIM_CONTROL_PORT): one command
// sent, the answer lines returned (without the final "ok"). An "error: ..."
// answer or no answer fails the calling test.
std::vector<std::string> sim_command(const std::string& line);
// The port number of the simulated device (SIM_COM).
int sim_com();
// The simulator's log lines of one kind ("RX", "TX", ...): the part after the kind.
std::vector<std::string> sim_log_of(const std::string& kind);
// The frames the simulator received since its log was last cleared whose
// command is `cmd`, as their payload text.
std::vector<std::string> frames_of(const std::string& cmd);
// The replies the simulated reader sent to command `cmd` so far, each as its
// bytes from the status on.
std::vector<std::string> replies_to(const std::string& cmd);

// A test of one program: the simulator reset (no fault, plugged in, its log
// cleared) and the program's settings key deleted before; its boxes answered
// and the program closed after.
class program_test : public ::testing::Test {
  protected:
    program_test(const char* settings_key, const wchar_t* window_class)
        : key(settings_key), cls(window_class) {}
    void SetUp() override;
    void TearDown() override;
    // Stores the simulator's port (when with_port) and the language, then
    // starts the program; start() alone starts it on what is stored.
    void start(bool with_port, const char* lang);
    void start() { ASSERT_TRUE(app.start(program_path(), cls)); }
    // Closes the program after a first start and checks what it stored: no
    // port, Italian, in the 32-bit view of the registry.
    void close_and_expect_first_start_settings();

    const char* key;
    const wchar_t* cls;
    program app;
};
