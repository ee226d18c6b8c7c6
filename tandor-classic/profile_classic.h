#pragma once

#include "profile.h"

extern const program_profile k_classic_profile;
