#pragma once
// `quenby cards issue`: one User card for each row of a batch, card by card
// as the technician lays them. A card is taken only when it is laid after
// its prompt (one lying on the reader is asked to be lifted first). Each card
// laid is read first: a blank or User card is written and read back (the
// block compared), a Master card, an invalid card or a card of this batch
// already is refused and left as it is.
//
// Every write is in the audit before it is sent ("writing") and its outcome
// after it: "written", "not written", or "may be written" when nobody can know
// (the reply lost, the read-back lost, the card lifted just after). A card
// that may hold a row's code is asked for again until it is seen: that code
// goes onto no other card meanwhile, in this run or a resumed one.

#include "card_batch.h"
#include "device_link.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

// Appends one line to the audit, on the disk before it returns; false with
// *why when it could not be (a full disk, a stick pulled out).
using audit_append = std::function<bool(const std::string& line, std::string* why)>;

struct issue_job {
    std::vector<batch_row> rows;
    std::vector<audit_entry> earlier; // the audit of the batch so far
    audit_append audit;               // empty: no audit kept
    std::ostream* out = nullptr;      // what the technician reads
    device_link* link = nullptr;      // the reader's, open; quiet (the batch says all in its words)
    int give_up_ms = 0;               // waiting for a card or a lift this long ends it; 0: never
    std::function<bool()> stop_asked; // Ctrl+C: the batch stops at its next wait
    bool json = false;                // each line said as {"said": ...}, each card's outcome as
                                      // {"card": UID, "code": ..., "line": ..., "outcome": ...}
};

// Runs the batch on the reader's open link. 0 when every row is done, 1
// when it stopped (given up, Ctrl+C, the audit not written): the audit then
// holds every card that holds or may hold a code.
int issue_cards(const issue_job& job);
