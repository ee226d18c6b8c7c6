#include "card_batch.h"

#include "card_layout.h"
#include "card_writer_texts.h"
#include "companion_texts.h"
#include "profile_tandor.h"
#include "texts_tandor.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>

const char k_audit_header[] = "time,uid,code,accesses,expiry,outcome";
const char k_cut_mark[] = ",cut short";

const char* audit_outcome_text(audit_outcome o) {
    switch (o) {
    case audit_outcome::writing:
        return "writing";
    case audit_outcome::written:
        return "written";
    case audit_outcome::not_written:
        return "not written";
    case audit_outcome::may_be_written:
        return "may be written";
    }
    return "";
}

namespace {
const char k_old_audit_header[] = "written,uid,code,accesses,expiry";

std::string trimmed(const std::string& s) {
    const std::size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return "";
    std::string t = s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
    if (t.size() >= 2 && t.front() == '"' && t.back() == '"')
        t = t.substr(1, t.size() - 2);
    return t;
}

std::vector<std::string> fields_of(const std::string& line, char separator = ',') {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t at; (at = line.find(separator, start)) != std::string::npos; start = at + 1)
        fields.push_back(trimmed(line.substr(start, at - start)));
    fields.push_back(trimmed(line.substr(start)));
    return fields;
}

std::string upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

struct text_line {
    int number;
    std::string text;
    bool ended; // its line end came (the last line of a file cut short has none)
};

// The lines of a text file, without a spreadsheet's byte order mark; empty
// lines are passed over. Each with its number from 1.
std::vector<text_line> lines_of(std::istream& in) {
    std::vector<text_line> lines;
    int n = 0;
    for (std::string line; std::getline(in, line);) {
        if (++n == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0)
            line.erase(0, 3);
        if (!trimmed(line).empty())
            lines.push_back({n, line, !in.eof()});
    }
    return lines;
}

// A control character in a cell (a NUL, a tab, an escape) would reach the
// card as something else than the audit records: the row is refused.
std::string control_in(const std::vector<std::string>& fields) {
    static const char* const names[] = {"code", "accesses", "expiry"};
    for (std::size_t i = 0; i < fields.size() && i < 3; ++i)
        for (const char c : fields[i]) {
            const auto b = static_cast<unsigned char>(c);
            if (b < 0x20 || b == 0x7F) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "%02X", b);
                return qtext(QT_CONTROL_CHARACTER, {hex, names[i]});
            }
        }
    return "";
}

// One row's texts checked as the card form checks them. A code of fewer
// than 8 digits most often lost its leading zeros in a spreadsheet.
std::string row_refusal(const batch_row& row) {
    char block[CARD_BLOCK_CHARS + 1];
    const outcome refused =
        encode_user_block(row.code.c_str(), row.expiry.c_str(), row.accesses.c_str(), block);
    if (refused.done())
        return "";
    // The card writer's own words, whatever program is in force; a refusal
    // stays one even without them.
    std::string text = localized_in(k_tandor_profile, refused.text);
    if (text.empty())
        text = qtext(QT_FORM_REFUSED);
    const bool hex = row.code.find_first_not_of("0123456789ABCDEF") == std::string::npos;
    if (hex && row.code.size() < 8 && refused.text == TXT_BAD_CARD_CODE)
        text += qtext(QT_LEADING_ZEROS, {std::string(8 - row.code.size(), '0') + row.code});
    return text;
}

bool outcome_of(const std::string& text, audit_outcome* o) {
    for (const audit_outcome each : {audit_outcome::writing, audit_outcome::written,
                                     audit_outcome::not_written, audit_outcome::may_be_written})
        if (text == audit_outcome_text(each)) {
            *o = each;
            return true;
        }
    return false;
}

bool is_hex8(const std::string& s) {
    return s.size() == 8 && s.find_first_not_of("0123456789ABCDEFabcdef") == std::string::npos;
}

// An audit line: the earlier form's five fields (a card written) or six.
bool audit_entry_of(const std::vector<std::string>& f, audit_entry* e) {
    if ((f.size() != 5 && f.size() != 6) || !is_hex8(f[1]) || !is_hex8(f[2]))
        return false;
    *e = {f[0], upper(f[1]), upper(f[2]), f[3], f[4], audit_outcome::written, 0};
    return f.size() == 5 || outcome_of(f[5], &e->outcome);
}
} // namespace

bool read_batch(std::istream& in, std::vector<batch_row>* rows, std::vector<batch_error>* errors) {
    rows->clear();
    errors->clear();
    const std::vector<text_line> lines = lines_of(in);
    // A spreadsheet set to a European locale separates its cells with ';'.
    const char separator = !lines.empty() && lines[0].text.find(';') != std::string::npos &&
                                   lines[0].text.find(',') == std::string::npos
                               ? ';'
                               : ',';
    const std::string wanted = separator == ';' ? "code;accesses;expiry" : "code,accesses,expiry";
    if (lines.empty() || fields_of(upper(lines[0].text), separator) !=
                             std::vector<std::string>{"CODE", "ACCESSES", "EXPIRY"}) {
        errors->push_back({lines.empty() ? 0 : lines[0].number, qtext(QT_HEADER_WANTED)});
        return false;
    }
    std::map<std::string, int> codes; // code -> the line it is on
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const int line = lines[i].number;
        const std::vector<std::string> f = fields_of(lines[i].text, separator);
        if (f.size() != 3) {
            errors->push_back({line, qtext(QT_FIELDS_WANTED, {wanted, std::to_string(f.size())})});
            continue;
        }
        const batch_row row{line, f[0].empty() ? "00000000" : upper(f[0]), f[1], f[2]};
        if (const std::string control = control_in(f); !control.empty())
            errors->push_back({line, control});
        else if (const std::string refusal = row_refusal(row); !refusal.empty())
            errors->push_back({line, refusal});
        else if (const auto first = codes.find(row.code); first != codes.end())
            errors->push_back(
                {line, qtext(QT_CODE_TWICE, {row.code, std::to_string(first->second)})});
        else
            codes[row.code] = line;
        rows->push_back(row);
    }
    if (rows->empty() && errors->empty())
        errors->push_back({lines[0].number, qtext(QT_ONLY_HEADER)});
    return errors->empty();
}

std::string row_block(const batch_row& row) {
    char block[CARD_BLOCK_CHARS + 1] = {};
    (void)encode_user_block(row.code.c_str(), row.expiry.c_str(), row.accesses.c_str(), block);
    return block;
}

std::string audit_line(const audit_entry& e) {
    return e.time + "," + e.uid + "," + e.code + "," + e.accesses + "," + e.expiry + "," +
           audit_outcome_text(e.outcome);
}

bool read_audit(std::istream& in, audit_read* audit, std::string* error) {
    *audit = audit_read();
    const std::vector<text_line> lines = lines_of(in);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string whole = trimmed(lines[i].text);
        if (i == 0 && (whole == k_audit_header || whole == k_old_audit_header))
            continue;
        const std::vector<std::string> f = fields_of(lines[i].text);
        audit_entry e;
        const bool last = i + 1 == lines.size();
        const bool marked = f.size() > 1 && f.back() == "cut short";
        if (marked || (last && !lines[i].ended && !audit_entry_of(f, &e))) {
            // Cut short while it was written: the card it names, if it names
            // one, may hold its code. A line that names none was a write's
            // first line (nothing was sent after it) or its outcome (its
            // first line is whole above).
            const bool named = f.size() >= 3 && is_hex8(f[1]) && is_hex8(f[2]);
            audit->cut.push_back({lines[i].number, named});
            audit->last_cut = !marked;
            if (named)
                audit->entries.push_back({f[0], upper(f[1]), upper(f[2]), "", "",
                                          audit_outcome::may_be_written, lines[i].number});
            continue;
        }
        if (!audit_entry_of(f, &e)) {
            *error = qtext(QT_NO_AUDIT_LINE, {std::to_string(lines[i].number), k_audit_header});
            return false;
        }
        e.line = lines[i].number;
        audit->entries.push_back(e);
    }
    return true;
}

std::map<std::string, code_state> codes_of(const std::vector<audit_entry>& entries) {
    std::map<std::string, code_state> codes;
    for (const audit_entry& e : entries) {
        code_state& c = codes[e.code];
        // An outcome is of the card its write went to; the card's own line
        // says whether that code is now free.
        c = {e.uid, e.outcome, e.line};
    }
    return codes;
}

std::size_t cards_of(const std::vector<audit_entry>& entries) {
    std::set<std::string> cards;
    for (const auto& [code, state] : codes_of(entries))
        if (state.outcome != audit_outcome::not_written)
            cards.insert(state.uid);
    return cards.size();
}

bool read_audit_file(const std::string& path, audit_read* audit, std::string* error) {
    *audit = audit_read();
    std::error_code failure;
    const std::filesystem::file_status status = std::filesystem::status(path, failure);
    if (status.type() == std::filesystem::file_type::not_found)
        return true;
    if (failure) {
        *error = qtext(QT_FILE_UNREADABLE, {failure.message()});
        return false;
    }
    if (!std::filesystem::is_regular_file(status)) {
        *error = qtext(QT_NO_FILE);
        return false;
    }
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        *error =
            qtext(QT_FILE_UNREADABLE, {errno ? std::strerror(errno) : qtext(QT_HELD_OR_REFUSED)});
        return false;
    }
    if (!read_audit(file, audit, error))
        return false;
    if (file.bad()) {
        *error = qtext(QT_NOT_TO_ITS_END);
        return false;
    }
    return true;
}
