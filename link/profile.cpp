#include "profile.h"

namespace {
const program_profile k_default = {"?", 9600, 0, "Software\\Velmor", false, nullptr, 0};
const program_profile* g_profile = &k_default;
} // namespace

void profile_set(const program_profile* profile) {
    g_profile = profile ? profile : &k_default;
}

const program_profile& profile_get() {
    return *g_profile;
}
