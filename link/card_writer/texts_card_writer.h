#pragma once

#include "profile.h"

// Blocks 10001 to 10057.
extern const string_table k_card_writer_strings;
