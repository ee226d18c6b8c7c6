#include "reader_words.h"

#include "card_layout.h"
#include "classic_layout.h"
#include "reader.h"
#include "reader_frame.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
std::string text_of(const byte_string& bytes, std::size_t from, std::size_t count) {
    if (from >= bytes.size())
        return "";
    if (count > bytes.size() - from)
        count = bytes.size() - from;
    return std::string(bytes.begin() + static_cast<long>(from),
                       bytes.begin() + static_cast<long>(from + count));
}

const char* command_name(const std::string& cmd) {
    if (cmd == "18")
        return "detect";
    if (cmd == "19")
        return "read";
    if (cmd == "1A")
        return "write";
    return "an unknown command";
}

std::string user_words(const std::string& block) {
    user_form_texts t{};
    const bool read = decode_user_block(block.c_str(), &t);
    std::string words = std::string("User card: code ") + t.card_code;
    words += t.accesses[0] ? std::string(", ") + t.accesses + " accesses" : ", no access limit";
    std::string expiry = t.expiry;
    if (expiry.size() == 13)
        expiry = expiry.substr(0, 10) + " at " + expiry.substr(11);
    words += expiry.empty() ? ", no expiry" : ", expires " + expiry;
    return read ? words : words + " (a field that cannot be read)";
}

std::string master_words(const std::string& block) {
    master_form_state m{};
    if (!decode_master_block(block.c_str(), &m))
        return "Master card (a field that cannot be read)";
    std::string words = std::string("Master card: ") + (m.personal ? "Personal" : "Free");
    if (m.delete_db)
        words += ", delete the database";
    else if (m.datetime[0])
        words += std::string(", set the clock to ") + m.datetime;
    return words;
}

std::string classic_words(const std::string& block, int number) {
    if (number == 5) {
        char accesses[12] = {};
        if (!classic_decode_counter(block.c_str(), 1, accesses))
            return "no sound value block";
        return std::string("counter: ") + accesses + " accesses";
    }
    classic_data d{};
    classic_decode_data(block.c_str(), &d);
    std::string words = std::string("classic card: code ") + d.card_code;
    words += d.flags & 1 ? ", counts accesses" : ", no access count";
    words += d.flags & 2 ? std::string(", expires ") + d.expiry : ", no expiry";
    return words;
}

// A reply as the programs hold it, read by their own readers.
struct held_reply {
    explicit held_reply(const byte_string& bytes) {
        const std::size_t most = LINK_FRAME_SIZE;
        const std::size_t n = bytes.size() < most ? bytes.size() : most;
        link_reply_fill(buffer, bytes.data(), n);
    }
    std::uint8_t buffer[LINK_REPLY_SIZE] = {};
};
} // namespace

bool looks_like_reader_frame(const byte_string& b) {
    // Byte 3: STX in a command, the verdict (ACK or NAK) in a reply.
    return b.size() >= 4 && b[0] == LINK_SOH && b[1] == 'F' && b[2] == 'F' &&
           (b[3] == LINK_STX || b[3] == LINK_ACK || b[3] == LINK_NAK);
}

std::string reader_frame_fault(const byte_string& b) {
    const std::size_t n = b.size();
    if (n < 9 || !looks_like_reader_frame(b) || b[n - 3] != LINK_ETX || b[n - 1] != LINK_CR)
        return "not a whole frame";
    const std::uint8_t want = link_bcc(b.data(), static_cast<int>(n - 2));
    if (b[n - 2] == want)
        return "";
    char text[64];
    std::snprintf(text, sizeof text, "check byte wrong (0x%02X, should be 0x%02X)", b[n - 2], want);
    return text;
}

std::string block_words(const std::string& block, int number, card_layout layout) {
    if (block.find_first_not_of('0') == std::string::npos)
        return "blank block";
    if (layout == card_layout::classic)
        return classic_words(block, number);
    if (number != 4)
        return "block " + block;
    bool user = false, master = false;
    classify_block(block.c_str(), &user, &master);
    return master ? master_words(block) : user_words(block);
}

std::string reader_command_words(const byte_string& frame, card_layout layout,
                                 reader_command* asked) {
    *asked = {};
    const std::string fault = reader_frame_fault(frame);
    if (frame.size() < 9 || !looks_like_reader_frame(frame))
        return fault;
    const std::string payload = text_of(frame, 6, frame.size() - 9);
    asked->cmd = text_of(frame, 4, 2);
    std::string words;
    if (asked->cmd == "18") {
        words = "detect a card";
    } else if ((asked->cmd == "19" || asked->cmd == "1A") && payload.size() >= READER_HEAD_CHARS) {
        asked->uid = payload.substr(0, READER_UID_CHARS);
        asked->block = static_cast<int>(std::strtol(payload.substr(22, 2).c_str(), nullptr, 16));
        words = std::string(command_name(asked->cmd)) + " block " + std::to_string(asked->block) +
                " of card " + asked->uid;
        if (asked->cmd == "1A")
            words += ": " + block_words(payload.substr(READER_HEAD_CHARS), asked->block, layout);
    } else {
        words = "command " + asked->cmd + " (" + std::to_string(payload.size()) + " payload bytes)";
    }
    return fault.empty() ? words : words + "; " + fault;
}

namespace {
// "no reply within 2.5 s": the reader's wait, as the link bounds it.
std::string no_reply_words() {
    char seconds[16];
    std::snprintf(seconds, sizeof seconds, "%g", LINK_REPLY_WAIT_MS / 1000.0);
    return std::string("no reply within ") + seconds + " s";
}
} // namespace

std::string reader_reply_words(const byte_string& reply, const reader_command& asked,
                               card_layout layout) {
    if (reply.empty())
        return no_reply_words();
    if (reply.size() < 5)
        return "short reply (" + std::to_string(reply.size()) + " bytes)";
    if (reply[3] == LINK_NAK)
        return "NAK: the reader refused the frame";
    const std::string fault = reader_frame_fault(reply);
    const std::string cmd = text_of(reply, 4, 2);
    std::string words;
    if (!asked.cmd.empty() && cmd != asked.cmd) {
        words = std::string("reply to another command (") + command_name(cmd) + ", not " +
                command_name(asked.cmd) + ")";
    } else {
        // The fields as the card writers read them: what they cannot read
        // is said so, never guessed.
        const held_reply held(reply);
        const int status = reader_status(held.buffer);
        char uid[READER_UID_CHARS + 1] = {};
        char block[READER_BLOCK_CHARS + 1] = {};
        if (status == READER_STATUS_UNREADABLE)
            words = "a status that cannot be read (" + text_of(reply, 6, 2) + ")";
        else if (cmd == "18" && status == READER_CARD_PRESENT)
            words = reader_uid(held.buffer, uid) ? "card " + std::string(uid) + " on the reader"
                                                 : "a card whose UID cannot be read";
        else if (cmd == "18" && status == READER_NO_CARD)
            words = "no card on the reader";
        else if (status != 0)
            words = "refused (status " + text_of(reply, 6, 2) + ")";
        else if (cmd == "19")
            words = reader_block_text(held.buffer, block) ? block_words(block, asked.block, layout)
                                                          : "a block that cannot be read";
        else if (cmd == "1A")
            words = "written";
        else
            words = "status 00";
    }
    return fault.empty() ? words : words + "; " + fault;
}
