// Command frames and their check byte, byte for byte.
#include "reader_frame.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
using bytes = std::vector<std::uint8_t>;

bytes frame_of(const char* cmd, const char* payload) {
    std::uint8_t f[LINK_FRAME_SIZE];
    std::size_t n = link_frame(f, cmd, payload);
    return bytes(f, f + n);
}

TEST(LinkFrame, WorkedFramesByteForByte) {
    EXPECT_EQ(frame_of("18", ""), (bytes{0x01, 0x46, 0x46, 0x02, 0x31, 0x38, 0x03, 0x09, 0x0D}));
    // XOR 0x0D is sent as 0x0E.
    EXPECT_EQ(frame_of("18", "04"),
              (bytes{0x01, 0x46, 0x46, 0x02, 0x31, 0x38, 0x30, 0x34, 0x03, 0x0E, 0x0D}));
    // XOR 0x01 is sent as 0x02.
    EXPECT_EQ(frame_of("18", "08"),
              (bytes{0x01, 0x46, 0x46, 0x02, 0x31, 0x38, 0x30, 0x38, 0x03, 0x02, 0x0D}));
}

TEST(LinkFrame, LengthIsPayloadPlusNine) {
    EXPECT_EQ(frame_of("18", "").size(), 9u);
    EXPECT_EQ(frame_of("19", "0A1B2C3D00FFFFFFFFFFFF04").size(), 33u);
    std::string max(LINK_MAX_PAYLOAD, 'A');
    EXPECT_EQ(frame_of("1A", max.c_str()).size(), 256u);
}

TEST(LinkFrame, PayloadTooLongIsNotFramed) {
    std::string over(LINK_MAX_PAYLOAD + 1, 'A');
    std::uint8_t f[LINK_FRAME_SIZE];
    EXPECT_EQ(link_frame(f, "1A", over.c_str()), 0u);
}

TEST(LinkBcc, XorOfAllBytes) {
    const std::uint8_t a[] = {0x10, 0x20, 0x40};
    EXPECT_EQ(link_bcc(a, 3), 0x70);
    EXPECT_EQ(link_bcc(a, 0), 0x00);
    EXPECT_EQ(link_bcc(a, -3), 0x00);
}

TEST(LinkBcc, SohEotAndCrAreMovedUpByOne) {
    for (std::uint8_t x : {0x01, 0x04, 0x0D}) {
        const std::uint8_t one[] = {x};
        EXPECT_EQ(link_bcc(one, 1), x + 1) << "xor " << int(x);
    }
}

TEST(LinkBcc, OtherValuesAreSentAsTheyAre) {
    for (int x = 0; x < 256; ++x) {
        if (x == 0x01 || x == 0x04 || x == 0x0D)
            continue;
        const std::uint8_t one[] = {static_cast<std::uint8_t>(x)};
        EXPECT_EQ(link_bcc(one, 1), x);
    }
}

TEST(LinkBcc, NeverSohEotOrCr) {
    for (int x = 0; x < 256; ++x) {
        const std::uint8_t one[] = {static_cast<std::uint8_t>(x)};
        std::uint8_t b = link_bcc(one, 1);
        EXPECT_NE(b, 0x01);
        EXPECT_NE(b, 0x04);
        EXPECT_NE(b, 0x0D);
    }
}
} // namespace
