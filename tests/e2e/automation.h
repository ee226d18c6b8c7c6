#pragma once
// A small automation kit for driving our programs through their windows
// from another process, as a person would: start the program, find its
// window, click controls, type into fields, read texts and states, answer
// message boxes and dialogs, read the registry and look at the pixels.

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

    HWND child(int id) const;

    // A click on a button, or a menu command: posted, so that a message box
    // it opens does not block the caller.
    void command(int id) const;
};

std::string text_of(HWND w);
void type_into(HWND edit, const std::string& utf8);
bool visible(HWND w);
bool enabled(HWND w);
int checked(HWND button);

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

// Registry values under HKEY_LOCAL_MACHINE, in its 32-bit view: where the
// 32-bit programs keep their settings on 64-bit Windows (Wow6432Node). Texts
// here and in windows are in the ANSI code page.
std::string reg_read(const char* key, const char* name);
void reg_write(const char* key, const char* name, const char* value); // REG_EXPAND_SZ
void reg_write(const char* key, const char* name, DWORD value);
void reg_delete_key(const char* key);
// Whether the key exists in the 64-bit view (where a 64-bit program's would be).
bool reg_key_in_64bit_view(const char* key);

// Screen pixels of the main window's client area.
COLORREF pixel(HWND main, int x, int y);
// How many pixels in the client rectangle are reddish (R > 150, G and B < 80).
int red_pixels(HWND main, int left, int top, int right, int bottom);
// Saves the client area as a 24-bit BMP file.
bool screenshot(HWND main, const std::string& path);

// The environment variable, or "".
std::string env(const char* name);
