#pragma once
// `quenby cards issue`: one User card for each row of a batch, card by card
// as the technician lays them. Each card laid is read first: a blank or User
// card is written and read back (the block compared), a Master card, an
// invalid card or a card written in this batch already is refused and left
// as it is. The next card is asked for once the card is lifted.

#include "card_batch.h"

#include <ostream>
#include <string>
#include <vector>

struct issue_job {
    std::vector<batch_row> rows;
    std::vector<audit_entry> earlier; // the audit of the batch so far: rows and cards done
    std::ostream* audit = nullptr;    // each written card appended and flushed; may be null
    std::ostream* out = nullptr;      // what the technician reads
    std::string device;               // the reader's port, opened again when it comes back
    int give_up_ms = 0;               // waiting for a card or a lift this long ends it; 0: never
};

// Runs the batch on the reader's open port. 0 when every row is done, 1
// when it was given up (the audit then holds every card written).
int issue_cards(const issue_job& job);
