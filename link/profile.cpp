#include "profile.h"

#include "link_state.h"

namespace {
const program_profile k_default = {"?", 9600, 0, "Software\\Velmor", false, nullptr, 0, nullptr};
} // namespace

void profile_set(const program_profile* profile) {
    link_record().profile = profile;
}

const program_profile& profile_get() {
    const program_profile* p = link_record().profile;
    return p ? *p : k_default;
}
