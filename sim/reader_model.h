#pragma once
// The card reader as a device: virtual MIFARE Classic 1K cards (4-byte UID,
// 64 blocks of 16 bytes, a trailer with key A in the last block of each
// sector) and the answers to the reader commands, with faults on demand.

#include "reader_frame.h"

#include <array>
#include <optional>
#include <string>

enum {
    SIM_BLOCKS = 64,
    SIM_BLOCK_BYTES = 16,
    SIM_ACK = 0x06,
    SIM_NAK = 0x15,
};

// Reader status values of the simulated reader.
enum {
    SIM_STATUS_OK = 0x00,
    SIM_STATUS_NO_CARD = 0x01,
    SIM_STATUS_AUTH = 0x02,     // key does not match the sector's key A
    SIM_STATUS_READONLY = 0x03, // block 0, or a block the card does not have
    SIM_STATUS_BAD_DATA = 0x04, // payload of the wrong length or not hex
};

struct virtual_card {
    std::array<std::uint8_t, 4> uid{};
    std::array<std::array<std::uint8_t, SIM_BLOCK_BYTES>, SIM_BLOCKS> blocks{};
    std::array<bool, SIM_BLOCKS> unreadable{}; // reads of these blocks fail (a damaged card)

    // A factory-fresh card: manufacturer block from the UID, zero data
    // blocks, trailers with key A and key B FFFFFFFFFFFF and transport access
    // bits.
    static virtual_card fresh(const std::array<std::uint8_t, 4>& uid);
    std::string uid_text() const;
};

// How the next replies go wrong.
struct reader_fault {
    enum kind_t { none, silence, cut, split, trickle, nak, status, garbage, late, unstored };
    kind_t kind = none;
    int arg = 0;         // cut: bytes kept; split: bytes in the first part; trickle: ms between
                         // bytes; status: the status value; late: ms before the reply goes
                         // (unstored: a write answered as done and not made)
    bytes data;          // garbage: the bytes sent
    int remaining = -1;  // replies it applies to; -1 until cleared
    std::string command; // only replies to this command ("18", "19", "1A"); empty: all
    int skip = 0;        // replies it lets through before it starts
};

class reader_model {
  public:
    void place(const virtual_card& card) { card_ = card; }
    void remove() { card_.reset(); }
    const std::optional<virtual_card>& card() const { return card_; }
    std::optional<virtual_card>& card() { return card_; }

    void set_fault(const reader_fault& f) { fault_ = f; }

    // The card on the reader is swapped for `card` right after the reply to
    // the count-th frame of `command` to come, with no empty detect between.
    void swap_after(const virtual_card& card, const std::string& command, int count) {
        swap_ = card;
        swap_command_ = command;
        swap_count_ = count;
    }

    // The answer to one frame from the line, as the pieces to send.
    std::vector<reply_chunk> answer(const received_frame& frame);

    // The reply before faults are applied.
    bytes plain_reply(const received_frame& frame);

  private:
    std::vector<reply_chunk> answer_with(const received_frame& frame, const reader_fault& f);
    // The reply as the fault sends it: in pieces, late, cut, or not at all.
    static std::vector<reply_chunk> pieces_of(const bytes& reply, const reader_fault& f);
    std::string status_body(int status, const std::string& fields) const;
    bytes detect(const received_frame& f);
    bytes read_block(const received_frame& f);
    bytes write_block(const received_frame& f);
    // Checks UID, key selector, key and block of a block command; fills block.
    int check_access(const std::string& payload, int* block) const;

    std::optional<virtual_card> card_;
    reader_fault fault_;
    std::optional<virtual_card> swap_;
    std::string swap_command_;
    int swap_count_ = 0;
};
