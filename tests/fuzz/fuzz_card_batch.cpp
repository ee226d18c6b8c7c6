// Any text as a batch of cards and as an audit file. A row is accepted only
// when the block it writes decodes back to that row; an audit that is read
// is written out and read back to the same entries.
#include "card_batch.h"
#include "card_layout.h"
#include "language.h"
#include "profile.h"
#include "profile_tandor.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {
void check_batch(const std::string& text) {
    std::istringstream in(text);
    std::vector<batch_row> rows;
    std::vector<batch_error> errors;
    if (!read_batch(in, &rows, &errors))
        return;
    for (const batch_row& row : rows) {
        const std::string block = row_block(row);
        user_form_texts back{};
        if (block.size() != CARD_BLOCK_CHARS || !decode_user_block(block.c_str(), &back) ||
            row.code != back.card_code || row.expiry != back.expiry)
            __builtin_trap();
        if (row.accesses.empty() != (back.accesses[0] == '\0') ||
            (!row.accesses.empty() && std::atol(row.accesses.c_str()) != std::atol(back.accesses)))
            __builtin_trap();
    }
}

void check_audit(const std::string& text) {
    std::istringstream in(text);
    audit_read audit;
    std::string error;
    if (!read_audit(in, &audit, &error))
        return;
    std::string written = std::string(k_audit_header) + "\n";
    for (const audit_entry& e : audit.entries)
        written += audit_line(e) + "\n";
    std::istringstream again(written);
    audit_read back;
    if (!read_audit(again, &back, &error) || back.entries.size() != audit.entries.size())
        __builtin_trap();
    for (std::size_t i = 0; i < back.entries.size(); ++i)
        if (audit_line(back.entries[i]) != audit_line(audit.entries[i]))
            __builtin_trap();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    profile_set(&k_tandor_profile);
    lang_set(LANGUAGE_ENGLISH);
    const std::string text(reinterpret_cast<const char*>(data), size);
    check_batch(text);
    check_audit(text);
    return 0;
}
