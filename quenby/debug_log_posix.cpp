// The programs' debug output is a facility of Windows: there is none to
// record here.
#include "debug_log.h"

#include "companion_texts.h"

#include <cstdio>

int record_debug_output(const std::string&, int) {
    std::fprintf(stderr, "quenby log: %s\n", qtext(QT_LOG_WINDOWS_ONLY).c_str());
    return 1;
}
