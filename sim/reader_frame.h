#pragma once
// The reader's side of the command frame: gathering frames from the line and
// building reply frames. Written apart from the programs' own framing so that
// a fault in one is not hidden by the same fault in the other.

#include <cstdint>
#include <string>
#include <vector>

#include "device_loop.h"
#include "hex.h"

std::uint8_t sim_bcc(const std::uint8_t* data, std::size_t count);

struct received_frame {
    bool valid = false;  // well formed with a matching check byte
    std::string command; // two characters
    std::string payload;
    bytes raw;
};

// Collects bytes into frames: SOH ... ETX BCC CR. Bytes before an SOH are
// dropped; a frame that does not end in CR right after its check byte is
// handed on as invalid.
class frame_assembler {
  public:
    // Feeds bytes; complete frames are appended to `out`.
    void feed(const std::uint8_t* data, std::size_t count, std::vector<received_frame>* out);
    // Forgets a frame left half-received.
    void reset() { partial_.clear(); }
    bool has_partial() const { return !partial_.empty(); }

  private:
    bytes partial_;
};

// Reply frame: SOH 'F' 'F' verdict c0 c1 body ETX BCC CR.
bytes reply_frame(std::uint8_t verdict, const std::string& command, const std::string& body);
