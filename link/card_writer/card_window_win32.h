#pragma once
// The main window of both card writers on Win32: its controls, the painting
// of the skin, the poll timer. What differs between the two programs comes in
// a shell record.

#include "device_link.h"
#include "paint_steps.h"
#include "profile.h"

#include <vector>
#include <windows.h>

struct control_spec {
    int id; // card_writer_ids.h
    const wchar_t* cls;
    const wchar_t* text;
    DWORD style;
    DWORD ex_style;
    int x, y, w, h;
};

struct card_writer_shell {
    const program_profile* profile;
    const wchar_t* title;
    const control_spec* controls; // in the order of creation, all hidden
    int control_count;
    bool red_button_text; // answer a button's colour request with red text
    std::vector<paint_step> (*paint)();
    void (*painted)(); // a painting was carried out whole
    void (*command)(device_link& link, int id);
    void (*tick)(device_link& link);
};

// Start-up, message loop; returns the exit code (1 when the class or the
// window cannot be made).
int card_writer_main(HINSTANCE instance, int show, const card_writer_shell& shell);
