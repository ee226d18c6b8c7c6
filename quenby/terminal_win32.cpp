#include "terminal.h"

#include <cstdlib>
#include <windows.h>

namespace {
UINT g_console_code_page = 0; // the console's own, given back at the end

void give_code_page_back() {
    SetConsoleOutputCP(g_console_code_page);
}
} // namespace

std::string terminal_locale() {
    return "";
}

void terminal_speaks_utf8() {
    g_console_code_page = GetConsoleOutputCP();
    if (g_console_code_page == 0 || g_console_code_page == CP_UTF8)
        return; // no console (output to a file or a pipe), or UTF-8 already
    if (SetConsoleOutputCP(CP_UTF8))
        std::atexit(give_code_page_back);
}
