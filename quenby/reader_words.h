#pragma once
// The card reader's frames in words: what a command asked, what a reply said.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using byte_string = std::vector<std::uint8_t>;

// Which card layout a block is read in: the card writer's single block 4, or
// the classic writer's blocks 4 and 5.
enum class card_layout { tandor, classic };

// What a command frame asked for, kept to read its reply.
struct reader_command {
    std::string cmd; // "18", "19", "1A", or "" when the bytes were no frame
    int block = -1;
    std::string uid;
};

// True when the bytes start like a reader frame: SOH 'F' 'F', then STX (a
// command) or the verdict ACK or NAK (a reply).
bool looks_like_reader_frame(const byte_string& bytes);

// "" when the frame is whole and its check byte right, else what is wrong
// with it ("check byte wrong (0x09, should be 0x0B)").
std::string reader_frame_fault(const byte_string& bytes);

// "read block 4 of card 0A1B2C3D"; *asked is what the reply will be read by.
std::string reader_command_words(const byte_string& frame, card_layout layout,
                                 reader_command* asked);

// "card 0A1B2C3D on the reader", "User card: code 00001234, ..."; `asked` is
// the command the reply should answer.
std::string reader_reply_words(const byte_string& reply, const reader_command& asked,
                               card_layout layout);

// A block's 32 hex digits in words, by the layout.
std::string block_words(const std::string& block, int number, card_layout layout);
