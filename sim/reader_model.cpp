#include "reader_model.h"

#include <algorithm>
#include <cstdio>

namespace {
const std::array<std::uint8_t, 6> k_default_key = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
const std::array<std::uint8_t, 4> k_transport_access = {0xFF, 0x07, 0x80, 0x69};

std::string hex_of(const std::uint8_t* p, std::size_t n) {
    std::string s;
    char buf[3];
    for (std::size_t i = 0; i < n; ++i) {
        std::snprintf(buf, sizeof buf, "%02X", p[i]);
        s += buf;
    }
    return s;
}

bool is_trailer(int block) {
    return block % 4 == 3;
}
} // namespace

virtual_card virtual_card::fresh(const std::array<std::uint8_t, 4>& uid) {
    virtual_card c;
    c.uid = uid;
    auto& b0 = c.blocks[0];
    for (int i = 0; i < 4; ++i)
        b0[i] = uid[i];
    b0[4] = static_cast<std::uint8_t>(uid[0] ^ uid[1] ^ uid[2] ^ uid[3]);
    b0[5] = 0x08; // SAK of a 1K card
    b0[6] = 0x04;
    b0[7] = 0x00;
    for (int b = 3; b < SIM_BLOCKS; b += 4) {
        auto& t = c.blocks[b];
        for (int i = 0; i < 6; ++i) {
            t[i] = k_default_key[i];
            t[10 + i] = k_default_key[i];
        }
        for (int i = 0; i < 4; ++i)
            t[6 + i] = k_transport_access[i];
    }
    return c;
}

std::string virtual_card::uid_text() const {
    return hex_of(uid.data(), uid.size());
}

std::string reader_model::status_body(int status, const std::string& fields) const {
    char s[3];
    std::snprintf(s, sizeof s, "%02X", status & 0xFF);
    return std::string(s) + fields;
}

bytes reader_model::detect(const received_frame& f) {
    if (!card_)
        return reply_frame(SIM_ACK, f.command, status_body(SIM_STATUS_NO_CARD, "0000000000"));
    return reply_frame(SIM_ACK, f.command, status_body(SIM_STATUS_OK, "08" + card_->uid_text()));
}

int reader_model::check_access(const std::string& payload, int* block) const {
    // UID (8), key selector "00" (key A), key (12), block (2).
    if (payload.size() < 24)
        return SIM_STATUS_BAD_DATA;
    bytes uid, key, blk;
    if (!from_hex(payload.substr(0, 8), &uid) || !from_hex(payload.substr(10, 12), &key) ||
        !from_hex(payload.substr(22, 2), &blk) || payload.substr(8, 2) != "00")
        return SIM_STATUS_BAD_DATA;
    if (!card_ || !std::equal(uid.begin(), uid.end(), card_->uid.begin()))
        return SIM_STATUS_NO_CARD;
    *block = blk[0];
    if (*block >= SIM_BLOCKS)
        return SIM_STATUS_READONLY;
    const auto& trailer = card_->blocks[(*block / 4) * 4 + 3];
    if (!std::equal(key.begin(), key.end(), trailer.begin()))
        return SIM_STATUS_AUTH;
    return SIM_STATUS_OK;
}

bytes reader_model::read_block(const received_frame& f) {
    int block = 0;
    int status = f.payload.size() == 24 ? check_access(f.payload, &block) : SIM_STATUS_BAD_DATA;
    if (status == SIM_STATUS_OK && card_->unreadable[block])
        status = SIM_STATUS_READONLY;
    if (status != SIM_STATUS_OK)
        return reply_frame(SIM_ACK, f.command, status_body(status, ""));
    std::array<std::uint8_t, SIM_BLOCK_BYTES> data = card_->blocks[block];
    if (is_trailer(block))
        for (int i = 0; i < 6; ++i)
            data[i] = 0; // key A never reads back
    return reply_frame(SIM_ACK, f.command, status_body(SIM_STATUS_OK, hex_of(data.data(), 16)));
}

bytes reader_model::write_block(const received_frame& f) {
    int block = 0;
    int status = f.payload.size() == 56 ? check_access(f.payload, &block) : SIM_STATUS_BAD_DATA;
    bytes data;
    if (status == SIM_STATUS_OK && (!from_hex(f.payload.substr(24), &data) || data.size() != 16))
        status = SIM_STATUS_BAD_DATA;
    if (status == SIM_STATUS_OK && block == 0)
        status = SIM_STATUS_READONLY;
    if (status == SIM_STATUS_OK)
        std::copy(data.begin(), data.end(), card_->blocks[block].begin());
    return reply_frame(SIM_ACK, f.command, status_body(status, ""));
}

bytes reader_model::plain_reply(const received_frame& f) {
    if (!f.valid)
        return reply_frame(SIM_NAK,
                           f.raw.size() >= 6 ? std::string(f.raw.begin() + 4, f.raw.begin() + 6)
                                             : std::string("00"),
                           "");
    if (f.command == "18" && f.payload.empty())
        return detect(f);
    if (f.command == "19")
        return read_block(f);
    if (f.command == "1A")
        return write_block(f);
    return reply_frame(SIM_NAK, f.command, "");
}

std::vector<reply_chunk> reader_model::answer(const received_frame& frame) {
    reader_fault f;
    if ((fault_.command.empty() || fault_.command == frame.command) && fault_.skip > 0) {
        --fault_.skip;
    } else if (fault_.command.empty() || fault_.command == frame.command) {
        f = fault_;
        if (fault_.remaining > 0 && --fault_.remaining == 0)
            fault_ = reader_fault();
    }

    if (swap_ && frame.command == swap_command_ && --swap_count_ <= 0) {
        // The reply is the old card's; the next frame finds the new one.
        std::vector<reply_chunk> chunks = answer_with(frame, f);
        card_ = swap_;
        swap_.reset();
        return chunks;
    }
    return answer_with(frame, f);
}

std::vector<reply_chunk> reader_model::answer_with(const received_frame& frame,
                                                   const reader_fault& f) {
    // A status fault answers with the right fields but another status, and
    // leaves the card as it was (the reader did not do what it was asked). A
    // write left unstored is answered as done.
    bytes reply;
    if (f.kind == reader_fault::unstored && frame.valid) {
        const std::optional<virtual_card> kept = card_;
        reply = plain_reply(frame);
        card_ = kept;
    } else if (f.kind == reader_fault::status && frame.valid) {
        const std::optional<virtual_card> kept = card_;
        reply = plain_reply(frame);
        card_ = kept;
        char s[3];
        std::snprintf(s, sizeof s, "%02X", f.arg & 0xFF);
        if (reply.size() >= 11) {
            reply[6] = static_cast<std::uint8_t>(s[0]);
            reply[7] = static_cast<std::uint8_t>(s[1]);
            std::size_t n = reply.size();
            reply[n - 2] = sim_bcc(reply.data(), n - 2);
        }
    } else if (f.kind == reader_fault::nak) {
        reply = reply_frame(SIM_NAK, frame.command.empty() ? "00" : frame.command, "");
    } else {
        reply = plain_reply(frame);
    }
    return pieces_of(reply, f);
}

std::vector<reply_chunk> reader_model::pieces_of(const bytes& reply, const reader_fault& f) {
    switch (f.kind) {
    case reader_fault::silence:
        return {};
    case reader_fault::cut:
        return {{0, bytes(reply.begin(),
                          reply.begin() + static_cast<long>(std::min(
                                              reply.size(), static_cast<std::size_t>(f.arg))))}};
    case reader_fault::split: {
        std::size_t k = std::min(reply.size(), static_cast<std::size_t>(f.arg));
        // The second part comes well after the 50 ms gap that ends a read.
        return {{0, bytes(reply.begin(), reply.begin() + static_cast<long>(k))},
                {200, bytes(reply.begin() + static_cast<long>(k), reply.end())}};
    }
    case reader_fault::trickle: {
        std::vector<reply_chunk> out;
        for (std::size_t i = 0; i < reply.size(); ++i)
            out.push_back({i ? f.arg : 0, bytes{reply[i]}});
        return out;
    }
    case reader_fault::garbage:
        return {{0, f.data}};
    case reader_fault::late:
        return {{f.arg, reply}};
    default:
        return {{0, reply}};
    }
}
