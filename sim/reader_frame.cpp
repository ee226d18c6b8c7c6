#include "reader_frame.h"

#include <cstdio>

std::uint8_t sim_bcc(const std::uint8_t* data, std::size_t count) {
    std::uint8_t x = 0;
    for (std::size_t i = 0; i < count; ++i)
        x = static_cast<std::uint8_t>(x ^ data[i]);
    if (x == 0x01 || x == 0x04 || x == 0x0D)
        x = static_cast<std::uint8_t>(x + 1);
    return x;
}

namespace {
received_frame judge(const bytes& raw) {
    received_frame f;
    f.raw = raw;
    // SOH F F STX c c ... ETX BCC CR: at least 9 bytes.
    std::size_t n = raw.size();
    if (n < 9 || raw[1] != 'F' || raw[2] != 'F' || raw[3] != 0x02 || raw[n - 3] != 0x03 ||
        raw[n - 1] != 0x0D)
        return f;
    if (sim_bcc(raw.data(), n - 2) != raw[n - 2])
        return f;
    f.command.assign(raw.begin() + 4, raw.begin() + 6);
    f.payload.assign(raw.begin() + 6, raw.end() - 3);
    f.valid = true;
    return f;
}
} // namespace

void frame_assembler::feed(const std::uint8_t* data, std::size_t count,
                           std::vector<received_frame>* out) {
    for (std::size_t i = 0; i < count; ++i) {
        std::uint8_t b = data[i];
        if (partial_.empty() && b != 0x01)
            continue;
        partial_.push_back(b);
        // The check byte follows ETX and is never CR, so the frame ends at the
        // byte after the check byte of the first ETX.
        std::size_t n = partial_.size();
        if (n >= 3 && partial_[n - 3] == 0x03 && n >= 9) {
            out->push_back(judge(partial_));
            partial_.clear();
        } else if (n > 300) {
            out->push_back(judge(partial_));
            partial_.clear();
        }
    }
}

bytes reply_frame(std::uint8_t verdict, const std::string& command, const std::string& body) {
    bytes r = {0x01, 'F', 'F', verdict};
    r.insert(r.end(), command.begin(), command.end());
    r.insert(r.end(), body.begin(), body.end());
    r.push_back(0x03);
    r.push_back(sim_bcc(r.data(), r.size()));
    r.push_back(0x0D);
    return r;
}
