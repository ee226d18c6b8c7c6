#pragma once
// The card writer's state between ticks, commands and paintings.

#include "card_writer_ids.h"
#include "reader.h"

enum card_state_value {
    CARD_NONE = 0,
    CARD_BLANK = 1,
    CARD_USER = 2,
    CARD_MASTER = 3,
    CARD_INVALID = 4,
};

enum { PROMPT_PLACE = 0, PROMPT_INVALID = 1, PROMPT_SELECT_TYPE = 15 };

struct tandor_state {
    int card_state = CARD_NONE;
    int prompt_index = PROMPT_PLACE; // prompt string 10001 + 4 * index + language
    bool card_present = false;
    bool user_card = false;
    bool master_card = false;
    bool written = false;
    bool read_error = false;
    card_reader reader{};
};

// The one state of the process.
tandor_state& tandor();
