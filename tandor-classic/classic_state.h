#pragma once
// The classic card writer's state between ticks, writes and paintings.

#include "reader.h"

struct classic_state {
    bool card_shown = false;      // a card was read into the form (and during a write)
    bool form_shown = false;      // the fields (and perhaps the Write button) are shown
    bool card_invalid = false;    // a block of the detected card was not read
    bool card_written = false;    // both blocks were written; shown once by the next labelled paint
    bool count_unwritten = false; // block 5 never written behind a count flag: said, writable
    card_reader reader{};
};

classic_state& classic();
