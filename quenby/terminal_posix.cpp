#include "terminal.h"

#include "companion_language.h"

#include <cstdlib>

std::string terminal_locale() {
    return messages_locale_of([](const char* name) { return std::getenv(name); });
}

void terminal_speaks_utf8() {}
