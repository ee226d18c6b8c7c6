#include "card_batch.h"

#include "card_layout.h"
#include "card_writer_texts.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>

const char k_audit_header[] = "written,uid,code,accesses,expiry";

namespace {
std::string trimmed(const std::string& s) {
    const std::size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return "";
    std::string t = s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
    if (t.size() >= 2 && t.front() == '"' && t.back() == '"')
        t = t.substr(1, t.size() - 2);
    return t;
}

std::vector<std::string> fields_of(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1)
        fields.push_back(trimmed(line.substr(start, comma - start)));
    fields.push_back(trimmed(line.substr(start)));
    return fields;
}

std::string upper(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// The lines of a text file, without a spreadsheet's byte order mark; empty
// lines are passed over. Each with its number from 1.
std::vector<std::pair<int, std::string>> lines_of(std::istream& in) {
    std::vector<std::pair<int, std::string>> lines;
    int n = 0;
    for (std::string line; std::getline(in, line);) {
        if (++n == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0)
            line.erase(0, 3);
        if (!trimmed(line).empty())
            lines.emplace_back(n, line);
    }
    return lines;
}

// One row's texts checked as the card form checks them.
std::string row_refusal(const batch_row& row) {
    char block[CARD_BLOCK_CHARS + 1];
    const int refused =
        encode_user_block(row.code.c_str(), row.expiry.c_str(), row.accesses.c_str(), block);
    return refused ? localized(refused) : "";
}
} // namespace

bool read_batch(std::istream& in, std::vector<batch_row>* rows, std::vector<batch_error>* errors) {
    rows->clear();
    errors->clear();
    const std::vector<std::pair<int, std::string>> lines = lines_of(in);
    if (lines.empty() || fields_of(upper(lines[0].second)) !=
                             std::vector<std::string>{"CODE", "ACCESSES", "EXPIRY"}) {
        errors->push_back({lines.empty() ? 0 : lines[0].first,
                           "the first line must be the header: code,accesses,expiry"});
        return false;
    }
    std::map<std::string, int> codes; // code -> the line it is on
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const int line = lines[i].first;
        const std::vector<std::string> f = fields_of(lines[i].second);
        if (f.size() != 3) {
            errors->push_back({line, "3 fields wanted (code,accesses,expiry), " +
                                         std::to_string(f.size()) + " found"});
            continue;
        }
        const batch_row row{line, f[0].empty() ? "00000000" : upper(f[0]), f[1], f[2]};
        if (const std::string refusal = row_refusal(row); !refusal.empty())
            errors->push_back({line, refusal});
        else if (const auto first = codes.find(row.code); first != codes.end())
            errors->push_back({line, "card code " + row.code + " is on line " +
                                         std::to_string(first->second) + " already"});
        else
            codes[row.code] = line;
        rows->push_back(row);
    }
    if (rows->empty() && errors->empty())
        errors->push_back({lines[0].first, "no card in the batch: only the header"});
    return errors->empty();
}

std::string row_block(const batch_row& row) {
    char block[CARD_BLOCK_CHARS + 1] = {};
    encode_user_block(row.code.c_str(), row.expiry.c_str(), row.accesses.c_str(), block);
    return block;
}

std::string audit_line(const audit_entry& e) {
    return e.written + "," + e.uid + "," + e.code + "," + e.accesses + "," + e.expiry;
}

bool read_audit(std::istream& in, std::vector<audit_entry>* entries, std::string* error) {
    entries->clear();
    const std::vector<std::pair<int, std::string>> lines = lines_of(in);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::vector<std::string> f = fields_of(lines[i].second);
        if (i == 0 && trimmed(lines[i].second) == k_audit_header)
            continue;
        if (f.size() != 5 || f[1].size() != 8 || f[2].size() != 8) {
            *error = "line " + std::to_string(lines[i].first) + " is no audit line (" +
                     k_audit_header + ")";
            return false;
        }
        entries->push_back({f[0], upper(f[1]), upper(f[2]), f[3], f[4]});
    }
    return true;
}

bool read_audit_file(const std::string& path, std::vector<audit_entry>* entries,
                     std::string* error) {
    entries->clear();
    std::error_code failure;
    const std::filesystem::file_status status = std::filesystem::status(path, failure);
    if (status.type() == std::filesystem::file_type::not_found)
        return true;
    if (failure) {
        *error = "cannot be read (" + failure.message() + ")";
        return false;
    }
    if (!std::filesystem::is_regular_file(status)) {
        *error = "is no file";
        return false;
    }
    errno = 0;
    std::ifstream file(path);
    if (!file) {
        *error = std::string("cannot be read (") +
                 (errno ? std::strerror(errno) : "it is held or refused") + ")";
        return false;
    }
    if (!read_audit(file, entries, error))
        return false;
    if (file.bad()) {
        *error = "cannot be read to its end";
        return false;
    }
    return true;
}
