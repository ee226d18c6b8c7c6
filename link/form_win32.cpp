// The form seam on Win32 child windows.
#include "form_win32.h"

#include "form.h"
#include "wide.h"
#include "win32_handles.h"

#include <commctrl.h>

// The form seam names no window: the one main window of the process.
void form_set_main(HWND main, HINSTANCE instance) {
    win32().main = main;
    win32().instance = instance;
}
HWND form_main() {
    return win32().main;
}
HINSTANCE form_instance() {
    return win32().instance;
}

HWND form_window(int control) {
    return GetDlgItem(win32().main, control);
}

HWND form_create(int control, const wchar_t* cls, const wchar_t* text, DWORD style, DWORD ex_style,
                 int x, int y, int w, int h) {
    return CreateWindowExW(ex_style, cls, text, WS_CHILD | style, x, y, w, h, win32().main,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(control)), win32().instance,
                           nullptr);
}

void form_enable(int control, bool on) {
    EnableWindow(form_window(control), on ? TRUE : FALSE);
}

void form_show(int control, bool on) {
    ShowWindow(form_window(control), on ? SW_SHOW : SW_HIDE);
}

std::string form_text(int control) {
    HWND w = form_window(control);
    int n = GetWindowTextLengthW(w);
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    GetWindowTextW(w, &text[0], n + 1);
    text.resize(static_cast<std::size_t>(n));
    return narrow(text.c_str());
}

void form_set_text(int control, const char* text) {
    SetWindowTextW(form_window(control), widen(text).c_str());
}

bool form_checked(int control) {
    return SendMessageW(form_window(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void form_set_checked(int control, bool on) {
    SendMessageW(form_window(control), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

int form_list_index(int control) {
    LRESULT i = SendMessageW(form_window(control), CB_GETCURSEL, 0, 0);
    return i == CB_ERR ? -1 : static_cast<int>(i);
}

void form_set_list_index(int control, int index) {
    SendMessageW(form_window(control), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void form_set_list_entries(int control, const char* const* entries, int count) {
    HWND w = form_window(control);
    SendMessageW(w, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < count; ++i)
        SendMessageW(w, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(entries[i]).c_str()));
}

void form_set_progress(int control, int position) {
    SendMessageW(form_window(control), PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

void form_invalidate(bool erase) {
    InvalidateRect(win32().main, nullptr, erase ? TRUE : FALSE);
}

void form_repaint_now() {
    RedrawWindow(win32().main, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    InvalidateRect(win32().main, nullptr, TRUE);
}

void form_set_menu(int menu_id) {
    HMENU old = GetMenu(win32().main);
    SetMenu(win32().main, LoadMenuW(win32().instance, MAKEINTRESOURCEW(menu_id)));
    if (old)
        DestroyMenu(old);
    DrawMenuBar(win32().main);
}
