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

bool block_write_checked(const card_reader& reader, int block, const char* content) {
    int status = 0;
    if (const exchange r = block_write(&reader, block, content, &status); r != exchange::done) {
        reader_check_gone(r); // the adapter pulled out: retried quietly
        return false;
    }
    if (status != 0) {
        localized_message(TXT_ATTENTION, status == READER_NO_CARD ? TXT_NO_CARD : TXT_FAILED);
        return false;
    }
    char held[READER_BLOCK_CHARS + 1];
    if (const exchange r = block_read(&reader, block, held, &status); r != exchange::done) {
        reader_check_gone(r);
        return false;
    }
    if (status != 0 || !same_block(held, content)) {
        localized_message(TXT_ATTENTION, TXT_FAILED);
        return false;
    }
    return true;
}
