#pragma once
// `quenby cards issue PORT FILE.csv [--audit AUDIT.csv] [--resume]`: the
// batch checked whole, then issued card by card on the reader of PORT.
//
// Exit status: 0 every row done; 1 the batch stopped (or the reader's port
// did not open); 2 the batch or the audit refused, nothing written.

#include "port_list.h"

#include <string>

struct cards_options {
    std::string batch; // the CSV file
    std::string audit; // "" for none
    bool resume = false;
    int wait_seconds = 0; // waiting for a card this long stops the batch; 0: never
    bool json = false;    // the progress as one JSON object a line
};

int cards_issue_job(const listed_port& port, const cards_options& options);

// `quenby cards check FILE.csv [--audit AUDIT.csv] [--resume]`: every check
// of cards issue that comes before the reader's port, with its messages,
// and nothing opened or written. 0 when the batch would start, else 2.
int cards_check_job(const cards_options& options);
