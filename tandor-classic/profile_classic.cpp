#include "profile_classic.h"

#include "texts_tandor.h"

// 19200 bit/s, the device-namespace name that also reaches COM10 and above,
// no waits around the open. Shares the settings key with the newer writer.
const program_profile k_classic_profile = {
    19200, "\\\\.\\COM", 0, "Software\\Tandor", k_tandor_strings, k_tandor_string_count,
};
