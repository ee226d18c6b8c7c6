#pragma once
// The card writer's state between ticks, commands and paintings.

#include "card_writer_ids.h"
#include "reader.h"

// What the last tick found on the reader.
enum class card_state { none, blank, user, master, invalid };

// The prompt painted while no card form is shown: string 10001 + 4 * its
// value + language.
enum class card_prompt { place = 0, invalid = 1, select_type = 15 };

struct tandor_state {
    card_state seen = card_state::none;
    card_prompt prompt = card_prompt::place;
    // The form on the window: a card is there for it (card_present), and its
    // layout, as the card's block or the technician's button chose it.
    bool card_present = false;
    bool user_card = false;
    bool master_card = false;
    bool written = false;
    bool read_error = false;
    card_reader reader{};
};

// The one state of the process.
tandor_state& tandor();
