#include "card_writer_texts.h"

#include "language.h"
#include "profile.h"
#include "system.h"

namespace {
const char* text_in(const program_profile& p, int id) {
    for (std::size_t t = 0; t < p.table_count; ++t) {
        const string_table& table = p.tables[t];
        for (std::size_t i = 0; i < table.count; ++i) {
            const string_block& b = table.rows[i];
            if (id >= b.block && id < b.block + LANGUAGE_COUNT && b.text[id - b.block])
                return b.text[id - b.block];
        }
    }
    return "";
}
} // namespace

const char* text_of_id(int id) {
    return text_in(profile_get(), id);
}

const char* localized(int block) {
    return text_of_id(block + lang_get());
}

const char* localized_in(const program_profile& program, int block) {
    return text_in(program, block + lang_get());
}

outcome card_outcome(result what, int caption_block, int text_block) {
    outcome o;
    o.what = what;
    o.caption = caption_block;
    o.text = text_block;
    return o;
}

outcome card_refusal(int text_block) {
    return text_block ? card_outcome(result::refused, TXT_ATTENTION, text_block) : done_outcome();
}
