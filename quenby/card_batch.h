#pragma once
// `quenby cards issue`: the rows of a batch of User cards, a CSV file
//
//   code,accesses,expiry
//   00001234,15,05/03/2027 14
//
// (the texts the card form takes, each may be empty; a spreadsheet's
// "code;accesses;expiry" too), and the audit file in which every write is
// recorded: the attempt before the write is sent, its outcome after it.

#include <istream>
#include <map>
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

// What an audit line says of a card and a row's code.
enum class audit_outcome {
    writing,        // the write is about to be sent: the card may hold the code from here on
    written,        // the card was read back holding the row
    not_written,    // the card was read back without it: the code is free again
    may_be_written, // nobody knows: the card must be seen again
};

// "writing", "written", "not written", "may be written": as the audit holds it.
const char* audit_outcome_text(audit_outcome o);

struct audit_entry {
    std::string time; // "2026-12-08 10:11:12", local time
    std::string uid, code, accesses, expiry;
    audit_outcome outcome = audit_outcome::written;
    int line = 0; // where it was read from (0: not read)
};

// "time,uid,code,accesses,expiry,outcome"; an audit of the earlier form
// ("written,uid,code,accesses,expiry", each line a card written) is read too.
extern const char k_audit_header[];

// One line of the audit file (without its line end).
std::string audit_line(const audit_entry& entry);

// What closes a line that was cut short (the power lost while it was
// written) when the file is next appended to: ",cut short".
extern const char k_cut_mark[];

struct cut_line {
    int line = 0;
    bool named = false; // it names its card and code: among the entries as may_be_written
};

struct audit_read {
    std::vector<audit_entry> entries;
    std::vector<cut_line> cut; // lines cut short: the last one, or any marked so
    bool last_cut = false;     // the file's last line is cut and not marked yet
};

// Reads an audit file; false with *error naming the line that is not one.
bool read_audit(std::istream& in, audit_read* audit, std::string* error);

// What the audit says of each code, its lines taken in order: the card that
// holds it (written), may hold it (writing, may_be_written), or none.
struct code_state {
    std::string uid;
    audit_outcome outcome = audit_outcome::not_written;
    int line = 0;
};
std::map<std::string, code_state> codes_of(const std::vector<audit_entry>& entries);

// The cards the audit says hold or may hold a code.
std::size_t cards_of(const std::vector<audit_entry>& entries);

// Reads the audit file at `path`: none yet (no entry) when the file does not
// exist. A file that is there but cannot be read (held by another program,
// no permission, a folder) is refused with *error saying why, never taken as
// an empty audit: that would issue its rows a second time.
bool read_audit_file(const std::string& path, audit_read* audit, std::string* error);
