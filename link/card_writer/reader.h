#pragma once
// Commands of the contactless card reader: detect a card, read and write one
// 16-byte block with the factory-default key.
//
// Each command returns how its exchange ended: anything but exchange::done
// means the exchange itself failed (the device error has then been told
// through the link, and nothing of the reply is used); after exchange::done the reader
// status is in *status. A status that cannot be read from the
// reply, or a reply too short for the fields its status promises, is reported
// as READER_STATUS_UNREADABLE, which callers treat as any other failure.

#include <cstddef>
#include <cstdint>

#include "reader_frame.h"

enum {
    READER_CARD_PRESENT = 0,
    READER_NO_CARD = 1,
    READER_STATUS_UNREADABLE = -1,
    READER_UID_CHARS = 8,
    READER_BLOCK_CHARS = 32,
    READER_HEAD_CHARS = 24,
    READER_WRITE_CHARS = 56,
};

struct card_reader {
    char uid[READER_UID_CHARS + 1];         // from the last card_detect that found a card
    char uid_display[READER_UID_CHARS + 1]; // the copy shown on the form and its UID button
};

[[nodiscard]] exchange card_detect(device_link& link, card_reader* reader, int* status);

// Block text: 32 upper-case hex digits and a terminator, written only when
// *status is 0.
[[nodiscard]] exchange block_read(device_link& link, const card_reader* reader, int block,
                                  char text[READER_BLOCK_CHARS + 1], int* status);

// content: the block as hex text; the payload is cut to 56 characters.
[[nodiscard]] exchange block_write(device_link& link, const card_reader* reader, int block,
                                   const char* content, int* status);

// Parsing and building, for the commands above and their tests.
int reader_status(const std::uint8_t* reply);
void reader_payload_head(const char* uid, int block, char out[READER_HEAD_CHARS + 1]);
bool reader_uid(const std::uint8_t* reply, char uid[READER_UID_CHARS + 1]);
bool reader_block_text(const std::uint8_t* reply, char text[READER_BLOCK_CHARS + 1]);
