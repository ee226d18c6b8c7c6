#include "companion_link.h"

program_profile companion_profile(const program_profile& program, bool open_waits) {
    program_profile p = program;
    p.name = "quenby";
    if (!open_waits)
        p.open_wait_ms = 0;
    return p;
}
