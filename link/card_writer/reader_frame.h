#pragma once
// Command frames to the card reader and the judgement of its reply.
//
//   SOH 'F' 'F' STX c0 c1 payload... ETX BCC CR
//
// The reply buffer holds the byte count in byte 0 (8 bits) and the received
// bytes from byte 1 on; received byte k is at index k + 1.

#include "device_link.h"

#include <cstddef>
#include <cstdint>

enum {
    LINK_REPLY_SIZE = 257,
    LINK_FRAME_SIZE = 256,
    LINK_MAX_PAYLOAD = LINK_FRAME_SIZE - 9,
    LINK_SOH = 0x01,
    LINK_STX = 0x02,
    LINK_ETX = 0x03,
    LINK_CR = 0x0D,
    LINK_ACK = 0x06,
    LINK_NAK = 0x15,
};

// The reply bound, LINK_REPLY_WAIT_MS, is the device link's (device_link.h).
// However fast the reads come back (failing at once, or a trickle of bytes),
// no exchange makes more reads than this.
enum { LINK_MAX_READS = 64 };

// Block check character: XOR of the bytes, with 0x01, 0x04 and 0x0D moved up
// by one so that it never reads as SOH, EOT or CR.
std::uint8_t link_bcc(const std::uint8_t* bytes, int count);

// Builds the command frame into frame (LINK_FRAME_SIZE bytes); returns its
// length, or 0 when the payload is too long to frame.
std::size_t link_frame(std::uint8_t* frame, const char* cmd, const char* payload);

// How an exchange with the reader ended.
enum class exchange {
    done,         // a reply of 5 bytes or more came, its verdict not NAK
    no_port,      // no port open: nothing was sent
    write_failed, // the frame did not go out (or was too long to frame), and no reply came
    no_reply,     // nothing came
    short_reply,  // 1 to 4 bytes came
    nak,          // the reader answered NAK
    wrong_reply,  // only replies to another command came (a reply that came late)
};

// Sends one frame on the link and waits for its reply. Whatever the reader
// sent before and nobody read is dropped first, and a reply whose command
// field (received bytes 4 and 5) is not cmd is not taken as the answer: the
// reply is waited for on. The reply buffer is filled when 5 bytes or more of
// the answer came (a NAK included), and left untouched otherwise. A frame the
// port did not take ends in exchange::write_failed (the reply is still
// waited for); nothing is told here, so that the device error of
// link_command is told once. Every frame and reply goes to the link's trace.
[[nodiscard]] exchange link_transact(device_link& link, std::uint8_t* reply, const char* cmd,
                                     const char* payload);

// link_transact, telling the device error through the link when it did not
// end in exchange::done.
[[nodiscard]] exchange link_command(device_link& link, std::uint8_t* reply, const char* cmd,
                                    const char* payload);

// Received bytes of a filled reply buffer.
inline std::size_t link_reply_count(const std::uint8_t* reply) {
    return reply[0] == 0 ? 256 : reply[0];
}

// Received byte k (from 0) of a filled reply buffer; k below its count.
inline std::uint8_t link_reply_byte(const std::uint8_t* reply, std::size_t k) {
    return reply[1 + k];
}

// Fills a reply buffer with the `count` received bytes (1 to 256).
void link_reply_fill(std::uint8_t* reply, const std::uint8_t* received, std::size_t count);
