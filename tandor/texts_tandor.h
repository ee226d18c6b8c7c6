#pragma once

#include "profile.h"

extern const string_block k_tandor_strings[];
extern const std::size_t k_tandor_string_count;
