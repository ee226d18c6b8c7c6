#include "card_writer_texts.h"

#include "language.h"
#include "message_box.h"
#include "profile.h"
#include "system.h"

const char* text_of_id(int id) {
    const program_profile& p = profile_get();
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

const char* localized(int block) {
    return text_of_id(block + lang_get());
}

void localized_message(int caption_block, int text_block) {
    message_box(localized(caption_block), localized(text_block));
}
