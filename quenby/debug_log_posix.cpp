// The programs' debug output is a facility of Windows: there is none to
// record here.
#include "debug_log.h"

#include <cstdio>

int record_debug_output(const std::string&, int) {
    std::fprintf(stderr, "quenby log: the programs' debug output exists only on Windows; "
                         "run quenby.exe log there (or under Wine beside them)\n");
    return 1;
}
