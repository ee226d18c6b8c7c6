#include "block_write_checked.h"

#include "card_writer_texts.h"
#include "reader_presence.h"

#include <cctype>
#include <cstring>

namespace {
bool same_block(const char* read_back, const char* content) {
    if (std::strlen(content) < READER_BLOCK_CHARS)
        return false;
    for (int i = 0; i < READER_BLOCK_CHARS; ++i)
        if (std::toupper(static_cast<unsigned char>(read_back[i])) !=
            std::toupper(static_cast<unsigned char>(content[i])))
            return false;
    return true;
}
} // namespace

outcome block_write_checked(device_link& link, const card_reader& reader, int block,
                            const char* content) {
    int status = 0;
    if (const exchange r = block_write(link, &reader, block, content, &status);
        r != exchange::done) {
        reader_check_gone(link, r); // the adapter pulled out: retried quietly
        return card_outcome(result::device_error, TXT_ATTENTION, TXT_DEVICE_ERROR);
    }
    if (status != 0) {
        const bool no_card = status == READER_NO_CARD;
        return tell(link, card_outcome(no_card ? result::no_card : result::failed, TXT_ATTENTION,
                                       no_card ? TXT_NO_CARD : TXT_FAILED));
    }
    char held[READER_BLOCK_CHARS + 1];
    if (const exchange r = block_read(link, &reader, block, held, &status); r != exchange::done) {
        reader_check_gone(link, r);
        return card_outcome(result::device_error, TXT_ATTENTION, TXT_DEVICE_ERROR);
    }
    if (status != 0 || !same_block(held, content))
        return tell(link, card_outcome(result::failed, TXT_ATTENTION, TXT_FAILED));
    return done_outcome();
}
