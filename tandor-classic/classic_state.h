#pragma once
// The classic card writer's state between ticks, writes and paintings.

#include "reader.h"

struct classic_state {
    int card_shown = 0;   // a card was read into the form (and during a write)
    int form_shown = 0;   // the fields (and perhaps the Write button) are shown
    int card_invalid = 0; // a block of the detected card was not read
    int card_written = 0; // block 5 was written; shown once by the next labelled paint
    card_reader reader{};
};

classic_state& classic();
