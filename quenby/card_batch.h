#pragma once
// `quenby cards issue`: the rows of a batch of User cards, a CSV file
//
//   code,accesses,expiry
//   00001234,15,05/03/2027 14
//
// (the texts the card form takes, each may be empty), and the audit file in
// which every written card is recorded.

#include <istream>
#include <string>
#include <vector>

struct batch_row {
    int line = 0;
    std::string code; // 8 hex digits in upper case, "00000000" when the row gives none
    std::string accesses, expiry;
};

struct batch_error {
    int line = 0;
    std::string text;
};

// Reads a batch: the header line, then one row a card, checked by the card
// form's checks (their messages in the current language); a card code on two
// rows is refused. True when every row passes, else every refusal by line.
bool read_batch(std::istream& in, std::vector<batch_row>* rows, std::vector<batch_error>* errors);

// The User card block of a row: 32 hex digits.
std::string row_block(const batch_row& row);

struct audit_entry {
    std::string written; // "2026-12-08 10:11:12", local time
    std::string uid, code, accesses, expiry;
};

extern const char k_audit_header[]; // "written,uid,code,accesses,expiry"

// One line of the audit file (without its line end).
std::string audit_line(const audit_entry& entry);

// Reads an audit file; false with *error naming the line that is not one.
bool read_audit(std::istream& in, std::vector<audit_entry>* entries, std::string* error);

// Reads the audit file at `path`: none yet (no entry) when the file does not
// exist. A file that is there but cannot be read (held by another program,
// no permission, a folder) is refused with *error saying why, never taken as
// an empty audit: that would issue its rows a second time.
bool read_audit_file(const std::string& path, std::vector<audit_entry>* entries,
                     std::string* error);
