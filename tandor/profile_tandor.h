#pragma once

#include "profile.h"

extern const program_profile k_tandor_profile;
