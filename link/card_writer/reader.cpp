#include "reader.h"

#include "digits.h"
#include "reader_frame.h"

#include <cstdio>
#include <cstring>

namespace {
const char k_detect[] = "18";
const char k_read[] = "19";
const char k_write[] = "1A";

// Two hex digits, either case, at received byte `at`; -1 when the reply is
// shorter or they are not hex digits.
int hex_pair(const std::uint8_t* reply, std::size_t at) {
    if (link_reply_count(reply) < at + 2)
        return -1;
    const char pair[2] = {static_cast<char>(link_reply_byte(reply, at)),
                          static_cast<char>(link_reply_byte(reply, at + 1))};
    return hex_pair_value(pair);
}
} // namespace

int reader_status(const std::uint8_t* reply) {
    int v = hex_pair(reply, 6);
    return v < 0 ? READER_STATUS_UNREADABLE : v;
}

void reader_payload_head(const char* uid, int block, char out[READER_HEAD_CHARS + 1]) {
    std::snprintf(out, READER_HEAD_CHARS + 1, "%.8s00FFFFFFFFFFFF%02X", uid, block & 0xFF);
}

bool reader_uid(const std::uint8_t* reply, char uid[READER_UID_CHARS + 1]) {
    char found[READER_UID_CHARS + 1];
    for (int i = 0; i < READER_UID_CHARS; i += 2) {
        if (hex_pair(reply, 10 + static_cast<std::size_t>(i)) < 0)
            return false;
        const std::size_t at = 10 + static_cast<std::size_t>(i);
        found[i] = static_cast<char>(link_reply_byte(reply, at));
        found[i + 1] = static_cast<char>(link_reply_byte(reply, at + 1));
    }
    found[READER_UID_CHARS] = '\0';
    std::memcpy(uid, found, sizeof found);
    return true;
}

bool reader_block_text(const std::uint8_t* reply, char text[READER_BLOCK_CHARS + 1]) {
    char out[READER_BLOCK_CHARS + 1];
    for (int i = 0; i < 16; ++i) {
        int v = hex_pair(reply, 8 + 2 * static_cast<std::size_t>(i));
        if (v < 0)
            return false;
        put_hex2(out + 2 * static_cast<std::size_t>(i), static_cast<unsigned>(v), true);
    }
    out[READER_BLOCK_CHARS] = '\0';
    std::memcpy(text, out, sizeof out);
    return true;
}

namespace {
exchange take_detect(card_reader* reader, const std::uint8_t* reply, exchange result, int* status) {
    if (result != exchange::done)
        return result;
    *status = reader_status(reply);
    if (*status == READER_CARD_PRESENT) {
        if (!reader_uid(reply, reader->uid)) {
            *status = READER_STATUS_UNREADABLE;
            return result;
        }
        std::memcpy(reader->uid_display, reader->uid, sizeof reader->uid);
    }
    return result;
}
} // namespace

exchange card_detect(device_link& link, card_reader* reader, int* status) {
    std::uint8_t reply[LINK_REPLY_SIZE] = {};
    return take_detect(reader, reply, link_command(link, reply, k_detect, ""), status);
}

exchange block_read(device_link& link, const card_reader* reader, int block,
                    char text[READER_BLOCK_CHARS + 1], int* status) {
    char head[READER_HEAD_CHARS + 1];
    reader_payload_head(reader->uid, block, head);
    std::uint8_t reply[LINK_REPLY_SIZE] = {};
    exchange result = link_command(link, reply, k_read, head);
    if (result != exchange::done)
        return result;
    *status = reader_status(reply);
    if (*status == 0 && !reader_block_text(reply, text))
        *status = READER_STATUS_UNREADABLE;
    return result;
}

exchange block_write(device_link& link, const card_reader* reader, int block, const char* content,
                     int* status) {
    char payload[READER_WRITE_CHARS + 1];
    reader_payload_head(reader->uid, block, payload);
    std::snprintf(payload + READER_HEAD_CHARS, sizeof payload - READER_HEAD_CHARS, "%s", content);
    std::uint8_t reply[LINK_REPLY_SIZE] = {};
    exchange result = link_command(link, reply, k_write, payload);
    if (result != exchange::done)
        return result;
    *status = reader_status(reply);
    return result;
}
