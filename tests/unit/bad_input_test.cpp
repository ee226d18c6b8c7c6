// Whatever a user types: long texts, letters from other alphabets, control
// characters, numbers at and beyond every limit. A clear refusal or the
// specified reading, and never a malformed block or command.
#include "card_layout.h"
#include "card_writer_texts.h"
#include "classic_layout.h"
#include "config_check.h"
#include "language.h"
#include "station_config.h"
#include "texts_classic.h"
#include "texts_tandor.h"

#include <gtest/gtest.h>

#include <string>

namespace {
const std::string k_long(300, '1');
const std::string k_long_hex(255, 'A');

bool all_hex(const std::string& s) {
    for (char c : s)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
            return false;
    return true;
}

TEST(BadInput, UserCardTexts) {
    struct {
        std::string code, expiry, accesses;
        int refused;
    } cases[] = {
        {k_long, "", "", TXT_BAD_CARD_CODE},
        {k_long_hex, "", "", TXT_BAD_CARD_CODE},
        {"0A1B2C3\xC3\xA9", "", "", TXT_BAD_CARD_CODE}, // an accented letter
        {"\t0A1B2C3", "", "", TXT_BAD_CARD_CODE},
        {"0A1B\n2C3", "", "", TXT_BAD_CARD_CODE},
        {"", k_long, "", TXT_BAD_EXPIRY},
        {"", "05/03/2019\t14", "", TXT_BAD_EXPIRY},
        {"", "05/03/2019 1\xC3\xA9", "", TXT_BAD_EXPIRY},
        {"", "", k_long, TXT_BAD_ACCESSES},
        {"", "", "-0000000000000000000000001", TXT_BAD_ACCESSES},
        {"", "", "65535", 0},
        {"", "", "\xEF\xBC\x91\xEF\xBC\x92", 0}, // full-width digits: no number, written as 0
        {"", "", " \t12\n", 0},
        {"", "", "0x10", 0},
    };
    for (const auto& c : cases) {
        char block[CARD_BLOCK_CHARS + 1] = "untouched";
        int refused =
            encode_user_block(c.code.c_str(), c.expiry.c_str(), c.accesses.c_str(), block);
        EXPECT_EQ(refused, c.refused) << c.code << "|" << c.expiry << "|" << c.accesses;
        if (refused) {
            EXPECT_STREQ(block, "untouched");
        } else {
            EXPECT_EQ(std::string(block).size(), 32u);
            EXPECT_TRUE(all_hex(block)) << block;
        }
    }
}

TEST(BadInput, MasterDatetime) {
    for (const std::string& t : {k_long,
                                 std::string("31/12/2018\x01"
                                             "23:59:30"),
                                 std::string("31/12/2018 23:59:3\xC3\xA9")}) {
        char block[CARD_BLOCK_CHARS + 1] = "untouched";
        EXPECT_EQ(encode_master_block(1, 0, t.c_str(), block), TXT_BAD_DATETIME);
        EXPECT_STREQ(block, "untouched");
    }
}

TEST(BadInput, ClassicTexts) {
    struct {
        std::string code, accesses, expiry;
        int refused;
    } cases[] = {
        {k_long, "", "", TXT_CLASSIC_BAD_CARD_CODE},
        {"01234567\xC3\xA9", "", "", TXT_CLASSIC_BAD_CARD_CODE},
        {"0123456789", k_long, "", TXT_CLASSIC_BAD_ACCESSES},
        {"0123456789", "-2147483648", "", 0},
        {"0123456789", "\xEF\xBC\x91", "", 0},
        {"0123456789", "", k_long, TXT_BAD_DATE},
        {"0123456789", "", "14/12/2015\n", TXT_BAD_DATE},
    };
    for (const auto& c : cases) {
        char payload[CLASSIC_PAYLOAD_CHARS + 1] = "untouched";
        int refused = classic_encode_data("0A1B2C3D", c.code.c_str(), c.accesses.c_str(),
                                          c.expiry.c_str(), payload);
        EXPECT_EQ(refused, c.refused) << c.code << "|" << c.accesses << "|" << c.expiry;
        if (!refused) {
            EXPECT_EQ(std::string(payload).size(), 56u);
        }
    }
}

TEST(BadInput, StationForm) {
    lang_set(LANGUAGE_ENGLISH);
    station_config c;
    c.date = "";
    c.time = "";
    for (socket_config& s : c.sockets) {
        s.socket_type = TYPE_2;
        s.imax_m3 = "16";
        s.imax_m3s = "10";
    }
    checked_datetime dt;
    check_failure f;
    for (const std::string& d :
         {k_long, std::string("20/12/2013\x01"), std::string("2\xC3\xA9/12/2013")}) {
        station_config x = c;
        x.date = d;
        EXPECT_EQ(config_check(x, &dt, &f), 0) << d;
    }
    for (const std::string& current : {k_long, std::string("99999999999999"), std::string("-6"),
                                       std::string("\xEF\xBC\x91\xEF\xBC\x96"), std::string("")}) {
        station_config x = c;
        x.sockets[0].imax_m3 = current;
        EXPECT_EQ(config_check(x, &dt, &f), 0) << current;
    }
    station_config x = c;
    x.sockets[0].imax_m3 = " 63\x01trailing";
    ASSERT_EQ(config_check(x, &dt, &f), 1) << "a number, then anything: the number counts";
    EXPECT_EQ(encode_socket_block(x.sockets[0]), "200SSN6310");
    lang_set(LANGUAGE_ITALIAN);
}
} // namespace
