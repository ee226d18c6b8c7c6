#include "companion_link.h"

void use_link_of(const program_profile& program, bool open_waits) {
    static program_profile in_force;
    in_force = program;
    in_force.name = "quenby";
    if (!open_waits)
        in_force.open_wait_ms = 0;
    profile_set(&in_force);
}
