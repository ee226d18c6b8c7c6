#include "reader_frame.h"

#include "card_writer_texts.h"
#include "system.h"

#include <cstring>

std::uint8_t link_bcc(const std::uint8_t* bytes, int count) {
    std::uint8_t x = 0;
    for (int i = 0; i < count; ++i)
        x ^= bytes[i];
    if (x == 0x01 || x == 0x04 || x == 0x0D)
        ++x;
    return x;
}

std::size_t link_frame(std::uint8_t* frame, const char* cmd, const char* payload) {
    std::size_t len = std::strlen(payload);
    if (len > LINK_MAX_PAYLOAD)
        return 0;
    frame[0] = LINK_SOH;
    frame[1] = 'F';
    frame[2] = 'F';
    frame[3] = LINK_STX;
    frame[4] = static_cast<std::uint8_t>(cmd[0]);
    frame[5] = static_cast<std::uint8_t>(cmd[1]);
    // Bytes into a fixed place of a longer buffer, not a text of their own.
    // NOLINTNEXTLINE(bugprone-not-null-terminated-result)
    std::memcpy(frame + 6, payload, len);
    frame[6 + len] = LINK_ETX;
    frame[7 + len] = link_bcc(frame, static_cast<int>(len + 7));
    frame[8 + len] = LINK_CR;
    return len + 9;
}

namespace {
// The bytes from `at` on are a reply to cmd: a frame start (anything at the
// start of a read, an SOH further on) whose command field, as far as it came,
// is cmd's.
bool reply_to(const std::uint8_t* bytes, std::size_t got, std::size_t at, const char* cmd) {
    if (at > 0 && bytes[at] != LINK_SOH)
        return false;
    return (got <= at + 4 || bytes[at + 4] == static_cast<std::uint8_t>(cmd[0])) &&
           (got <= at + 5 || bytes[at + 5] == static_cast<std::uint8_t>(cmd[1]));
}

// Where the answer to cmd starts in a read, or `got` when it holds none (a
// late reply to an earlier command may come first).
std::size_t answer_start(const std::uint8_t* bytes, std::size_t got, const char* cmd) {
    for (std::size_t at = 0; at + 4 < got; ++at)
        if (reply_to(bytes, got, at, cmd))
            return at;
    return got;
}
} // namespace

namespace {
// Reads the answer to cmd into frame: only the last read counts (a read of
// fewer than 4 bytes is dropped and read again from the start of the buffer,
// within the wait bound; so is a read that holds only a reply to another
// command). The bytes of the answer, 0 when none came; *other_replies when a
// reply to another command was passed over.
std::size_t read_answer(device_link& link, std::uint8_t* frame, const char* cmd,
                        bool* other_replies) {
    const std::int64_t start = sys_now_ms();
    std::size_t got = 0;
    for (int reads = 0; reads < LINK_MAX_READS; ++reads) {
        if (!link_read(link, frame, &got))
            got = 0;
        if (got > 4) {
            const std::size_t at = answer_start(frame, got, cmd);
            if (at < got) {
                std::memmove(frame, frame + at, got - at);
                got -= at;
            } else {
                link_trace(link, "RX", frame, got, "reply to another command");
                *other_replies = true;
                got = 0;
            }
        }
        if (got >= 4 || sys_now_ms() - start >= link.reply_wait_ms)
            break;
    }
    return got;
}
} // namespace

exchange link_transact(device_link& link, std::uint8_t* reply, const char* cmd,
                       const char* payload) {
    std::uint8_t frame[LINK_FRAME_SIZE];
    std::size_t length = link_frame(frame, cmd, payload);
    if (!link_is_open(link))
        return exchange::no_port;
    if (length == 0)
        return exchange::write_failed;

    link_discard_input(link);
    const bool written = link_write(link, frame, length);
    link_trace(link, "TX", frame, length, written ? "sent" : "write failed");

    bool other_replies = false;
    const std::size_t got = read_answer(link, frame, cmd, &other_replies);
    if (got == 0 && other_replies)
        return exchange::wrong_reply;
    if (got == 0) {
        link_trace(link, "RX", frame, 0, "no reply");
        return written ? exchange::no_reply : exchange::write_failed;
    }
    if (got <= 4) {
        link_trace(link, "RX", frame, got, "short reply");
        return exchange::short_reply;
    }
    link_reply_fill(reply, frame, got);
    const bool nak = link_reply_byte(reply, 3) == LINK_NAK;
    link_trace(link, "RX", frame, got, nak ? "NAK" : "reply");
    return nak ? exchange::nak : exchange::done;
}

void link_reply_fill(std::uint8_t* reply, const std::uint8_t* received, std::size_t count) {
    reply[0] = static_cast<std::uint8_t>(count & 0xFF); // 256 is held as 0
    std::memcpy(reply + 1, received, count);
}

exchange link_command(device_link& link, std::uint8_t* reply, const char* cmd,
                      const char* payload) {
    exchange result = link_transact(link, reply, cmd, payload);
    if (result != exchange::done)
        (void)tell(link, card_outcome(result::device_error, TXT_ATTENTION, TXT_DEVICE_ERROR));
    return result;
}
