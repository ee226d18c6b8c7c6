#include "profile_velmor.h"

// 9600 bit/s; the station's texts live in velmor's own tables, not in the
// card writers' string table.
const program_profile k_velmor_profile = {
    "velmor", 9600, 0, "Software\\Velmor", 0, nullptr, 0,
};
