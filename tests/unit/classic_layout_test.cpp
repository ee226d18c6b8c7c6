// The classic layout: blocks 4 and 5, their payloads and their checks.
#include "card_writer_texts.h"
#include "classic_layout.h"
#include "reader_frame.h"
#include "texts_classic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
const char k_uid[] = "0A1B2C3D";

std::string data_payload(const char* code, const char* accesses, const char* expiry,
                         int* refused = nullptr) {
    char out[CLASSIC_PAYLOAD_CHARS + 1] = "untouched";
    int r = classic_encode_data(k_uid, code, accesses, expiry, out);
    if (refused)
        *refused = r;
    return out;
}

std::string counter_payload(const char* accesses, int* refused = nullptr) {
    char out[CLASSIC_PAYLOAD_CHARS + 1] = "untouched";
    int r = classic_encode_counter(k_uid, accesses, out);
    if (refused)
        *refused = r;
    return out;
}

// What a read of the written payload gives back (the block as the reader
// reports it: upper-case hex).
std::string block_of(const std::string& payload) {
    std::string b = payload.substr(24);
    for (char& c : b)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return b;
}

TEST(ClassicEncode, WorkedExample) {
    EXPECT_EQ(data_payload("0123456789", "15", "14/12/2015"),
              "0A1B2C3D00FFFFFFFFFFFF0401234567890315121400000000000000");
    EXPECT_EQ(counter_payload("15"), "0A1B2C3D00FFFFFFFFFFFF050f000000f0ffffff0f00000001fe01fe");
}

TEST(ClassicEncode, BlockFourReadFrame) {
    std::uint8_t frame[LINK_FRAME_SIZE];
    std::size_t n = link_frame(frame, "19", "0A1B2C3D00FFFFFFFFFFFF04");
    ASSERT_EQ(n, 33u);
    EXPECT_EQ(frame[30], 0x03);
    EXPECT_EQ(frame[31], 0x08);
    EXPECT_EQ(frame[32], 0x0D);
}

TEST(ClassicEncode, FlagsFollowTheTexts) {
    EXPECT_EQ(data_payload("0123456789", "", "").substr(34), "0000000000000000000000");
    EXPECT_EQ(data_payload("0123456789", "abc", "").substr(34, 2), "01");
    EXPECT_EQ(data_payload("0123456789", "", "01/01/2013").substr(34, 8), "02130101");
    EXPECT_EQ(data_payload("abcdef0123", "", "").substr(24, 10), "ABCDEF0123");
}

TEST(ClassicEncode, CounterValues) {
    EXPECT_EQ(counter_payload("-1").substr(24), "ffffffff00000000ffffffff01fe01fe");
    EXPECT_EQ(counter_payload("").substr(24), "00000000ffffffff0000000001fe01fe");
    EXPECT_EQ(counter_payload("abc").substr(24), "00000000ffffffff0000000001fe01fe");
    EXPECT_EQ(counter_payload("2147483647").substr(24), "ffffff7f00000080ffffff7f01fe01fe");
    EXPECT_EQ(counter_payload("-2147483648").substr(24), "00000080ffffff7f0000008001fe01fe");
}

TEST(ClassicEncode, RefusalsWriteNothing) {
    struct {
        const char* code;
        const char* accesses;
        const char* expiry;
        int message;
    } cases[] = {
        {"", "", "", TXT_CLASSIC_BAD_CARD_CODE},
        {"012345678", "", "", TXT_CLASSIC_BAD_CARD_CODE},
        {"01234567890", "", "", TXT_CLASSIC_BAD_CARD_CODE},
        {"012345678Z", "", "", TXT_CLASSIC_BAD_CARD_CODE},
        {"0123456789", "2147483648", "", TXT_CLASSIC_BAD_ACCESSES},
        {"0123456789", "-2147483649", "", TXT_CLASSIC_BAD_ACCESSES},
        {"0123456789", "", "14/12/2012", TXT_BAD_DATE},
        {"0123456789", "", "1/1/2015", TXT_BAD_DATE},
        {"0123456789", "", "01-01-2015", TXT_BAD_DATE},
        {"0123456789", "", "01/13/2015", TXT_BAD_DATE},
        {"0123456789", "", "aa/bb/cccc", TXT_BAD_DATE},
        {"0123456789", "", "01/01/2100", TXT_BAD_DATE},
    };
    for (const auto& c : cases) {
        int refused = 0;
        EXPECT_EQ(data_payload(c.code, c.accesses, c.expiry, &refused), "untouched")
            << c.code << "|" << c.accesses << "|" << c.expiry;
        EXPECT_EQ(refused, c.message) << c.code << "|" << c.accesses << "|" << c.expiry;
    }
    int refused = 0;
    EXPECT_EQ(counter_payload("4294967296", &refused), "untouched");
    EXPECT_EQ(refused, TXT_CLASSIC_BAD_ACCESSES);
}

TEST(ClassicEncode, DatesThatPass) {
    classic_date d;
    for (const char* t : {"01/01/2013", "31/12/2099", "31/02/2020"})
        EXPECT_EQ(classic_expiry_valid(t, &d), 1) << t;
}

TEST(ClassicDecode, WorkedExampleReadsBack) {
    classic_data data;
    classic_decode_data(block_of(data_payload("0123456789", "15", "14/12/2015")).c_str(), &data);
    EXPECT_STREQ(data.card_code, "0123456789");
    EXPECT_EQ(data.flags, 3);
    EXPECT_STREQ(data.expiry, "14/12/2015");
    char accesses[12];
    classic_decode_counter(block_of(counter_payload("15")).c_str(), data.flags, accesses);
    EXPECT_STREQ(accesses, "15");
}

TEST(ClassicDecode, RoundTrips) {
    struct {
        const char* accesses;
        const char* expiry;
    } cases[] = {{"-1", ""},          {"", "31/12/2099"},           {"0", "01/01/2013"},
                 {"-2147483648", ""}, {"2147483647", "14/12/2015"}, {"", ""}};
    for (const auto& c : cases) {
        classic_data data;
        classic_decode_data(block_of(data_payload("ABCDEF0123", c.accesses, c.expiry)).c_str(),
                            &data);
        char accesses[12];
        classic_decode_counter(block_of(counter_payload(c.accesses)).c_str(), data.flags, accesses);
        EXPECT_STREQ(data.card_code, "ABCDEF0123");
        EXPECT_STREQ(data.expiry, c.expiry);
        EXPECT_STREQ(accesses, c.accesses);
    }
}

TEST(ClassicDecode, FlagBitsDecideWhatShows) {
    classic_data data;
    classic_decode_data("01234567890115121400000000000000", &data);
    EXPECT_EQ(data.flags, 1);
    EXPECT_STREQ(data.expiry, "") << "bit 1 clear: no date, whatever the bytes";
    char accesses[12] = "x";
    classic_decode_counter("0F000000F0FFFFFF0F00000001FE01FE", 0x02, accesses);
    EXPECT_STREQ(accesses, "") << "bit 0 clear: no accesses";
}

TEST(ClassicDecode, CounterUsesTheFirstCopyOnly) {
    char accesses[12];
    classic_decode_counter("0500000000000000FFFFFFFF00000000", 0x01, accesses);
    EXPECT_STREQ(accesses, "5");
    classic_decode_counter("00000080000000000000000000000000", 0x01, accesses);
    EXPECT_STREQ(accesses, "-2147483648");
}

TEST(ClassicDecode, DateDigitsThatAreNotDecimalShowAsTheyStand) {
    classic_data data;
    classic_decode_data("012345678902151A1400000000000000", &data);
    EXPECT_STREQ(data.expiry, "14/1A/2015");
    classic_date d;
    EXPECT_EQ(classic_expiry_valid(data.expiry, &d), 0) << "a rewrite refuses it";
}
} // namespace
