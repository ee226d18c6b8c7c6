// Block 4 of User, Master and blank cards: classification, encoding and
// decoding, and the refusals that keep a card from being spoilt.
#include "card_layout.h"
#include "texts_tandor.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string user_block(const char* code, const char* expiry, const char* accesses,
                       int* refused = nullptr) {
    char out[CARD_BLOCK_CHARS + 1] = "untouched";
    int r = encode_user_block(code, expiry, accesses, out);
    if (refused)
        *refused = r;
    return out;
}

std::string master_block(int personal, int delete_db, const char* datetime,
                         int* refused = nullptr) {
    char out[CARD_BLOCK_CHARS + 1] = "untouched";
    int r = encode_master_block(personal, delete_db, datetime, out);
    if (refused)
        *refused = r;
    return out;
}

TEST(CardEncode, WorkedExamples) {
    EXPECT_EQ(user_block("", "05/03/2019 14", "15"), "00000000FFFFFFFFA514050319A5000F");
    EXPECT_EQ(master_block(1, 0, "31/12/2018 23:59:30"), "507007305923013112184D4153544552");
    EXPECT_EQ(master_block(0, 1, ""), "46A55AFFFFFFFFFFFFFF4D4153544552");
}

TEST(CardEncode, EmptyFieldsWriteUnsetMarkers) {
    EXPECT_EQ(user_block("", "", ""), "00000000FFFFFFFFFF00000000FF0000");
}

TEST(CardEncode, CardCodeIsWrittenUpperCase) {
    EXPECT_EQ(user_block("0a1b2c3d", "", "").substr(0, 8), "0A1B2C3D");
    EXPECT_EQ(user_block("DEADBEEF", "", "").substr(0, 8), "DEADBEEF");
}

TEST(CardEncode, AccessesLimitsAndTextsThatAreNoNumber) {
    EXPECT_EQ(user_block("", "", "0").substr(26), "A50000");
    EXPECT_EQ(user_block("", "", "65535").substr(26), "A5FFFF");
    EXPECT_EQ(user_block("", "", "abc").substr(26), "A50000");
    EXPECT_EQ(user_block("", "", " 12x").substr(26), "A5000C");
}

TEST(CardEncode, ExpiryHour24AndLeadingBlank) {
    EXPECT_EQ(user_block("", "31/12/2099 24", "").substr(16, 10), "A524311299");
    EXPECT_EQ(user_block("", " 1/02/2019 10", "").substr(16, 10), "A510010219");
}

TEST(CardEncode, MasterWithoutModeIsFreeAndDeleteDbIgnoresTheDatetime) {
    EXPECT_EQ(master_block(0, 0, ""), "46FFFFFFFFFFFFFFFFFF4D4153544552");
    EXPECT_EQ(master_block(1, 1, "31/12/2018 23:59:30"), "50A55AFFFFFFFFFFFFFF4D4153544552");
    EXPECT_EQ(master_block(1, 1, "not a date"), "50A55AFFFFFFFFFFFFFF4D4153544552");
    EXPECT_EQ(master_block(0, 0, "31/12/2018 24:00:00"), "467007000024013112184D4153544552");
}

TEST(CardEncode, RefusedTextsWriteNothing) {
    struct {
        const char* code;
        const char* expiry;
        const char* accesses;
        int message;
    } cases[] = {
        {"1234567", "", "", TXT_BAD_CARD_CODE},
        {"123456789", "", "", TXT_BAD_CARD_CODE},
        {"1234567G", "", "", TXT_BAD_CARD_CODE},
        {"12 45678", "", "", TXT_BAD_CARD_CODE},
        {"", "1/02/2019 10", "", TXT_BAD_EXPIRY},
        {"", "ab/cd/efgh ij", "", TXT_BAD_EXPIRY},
        {"", "01/01/2012 10", "", TXT_BAD_EXPIRY},
        {"", "01/01/2100 10", "", TXT_BAD_EXPIRY},
        {"", "00/01/2020 10", "", TXT_BAD_EXPIRY},
        {"", "32/01/2020 10", "", TXT_BAD_EXPIRY},
        {"", "01/13/2020 10", "", TXT_BAD_EXPIRY},
        {"", "01/01/2020 25", "", TXT_BAD_EXPIRY},
        {"", "01/01/2020-10", "", TXT_BAD_EXPIRY},
        {"", "", "65536", TXT_BAD_ACCESSES},
        {"", "", "-1", TXT_BAD_ACCESSES},
        {"", "", "99999999999999999999999", TXT_BAD_ACCESSES},
        // The card code is checked first, then the expiry, then the accesses.
        {"xyz", "bad", "-1", TXT_BAD_CARD_CODE},
        {"", "bad", "-1", TXT_BAD_EXPIRY},
    };
    for (const auto& c : cases) {
        int refused = 0;
        EXPECT_EQ(user_block(c.code, c.expiry, c.accesses, &refused), "untouched")
            << c.code << "|" << c.expiry << "|" << c.accesses;
        EXPECT_EQ(refused, c.message) << c.code << "|" << c.expiry << "|" << c.accesses;
    }
}

TEST(CardEncode, YearsAtTheLimitsPass) {
    int refused = -1;
    EXPECT_EQ(user_block("", "01/01/2013 00", "", &refused).substr(16, 10), "A500010113");
    EXPECT_EQ(refused, 0);
    EXPECT_EQ(user_block("", "31/02/2099 23", "", &refused).substr(16, 10), "A523310299");
    EXPECT_EQ(refused, 0);
}

TEST(CardEncode, RefusedDatetimes) {
    for (const char* t : {"31/12/2018 23:59:60", "31/12/2018 23:60:00", "31/12/2018 25:00:00",
                          "31/12/2012 10:00:00", "1/12/2018 23:59:30", "31-12-2018 23:59:30",
                          "ab/cd/efgh ij:kl:mn", "31/12/2018 23:59:30 "}) {
        int refused = 0;
        EXPECT_EQ(master_block(1, 0, t, &refused), "untouched") << t;
        EXPECT_EQ(refused, TXT_BAD_DATETIME) << t;
    }
    // Its length and slashes are tested by place, the rest only by the reading.
    EXPECT_EQ(master_block(1, 0, "31/12/2018  3:59:30"), "507007305903013112184D4153544552");
}

TEST(CardClassify, BlankUserAndMaster) {
    bool user = false, master = false;
    classify_block("00000000000000000000000000000000", &user, &master);
    EXPECT_EQ(user, 0);
    EXPECT_EQ(master, 0);
    classify_block("00000000FFFFFFFFA514050319A5000F", &user, &master);
    EXPECT_EQ(user, 1);
    EXPECT_EQ(master, 0);
    classify_block("507007305923013112184D4153544552", &user, &master);
    EXPECT_EQ(user, 0);
    EXPECT_EQ(master, 1);
    // Flags are never cleared by a blank block.
    user = true;
    classify_block("00000000000000000000000000000000", &user, &master);
    EXPECT_EQ(user, 1);
    EXPECT_EQ(master, 1);
}

TEST(CardDecode, UserRoundTrips) {
    struct {
        const char* code;
        const char* expiry;
        const char* accesses;
    } cases[] = {
        {"0A1B2C3D", "05/03/2019 14", "15"},    {"00000000", "", ""},
        {"FFFFFFFF", "31/12/2099 24", "65535"}, {"12345678", "", "0"},
        {"ABCDEF01", "01/01/2013 00", ""},
    };
    for (const auto& c : cases) {
        char block[CARD_BLOCK_CHARS + 1];
        ASSERT_EQ(encode_user_block(c.code, c.expiry, c.accesses, block), 0);
        user_form_texts t;
        EXPECT_EQ(decode_user_block(block, &t), 0) << block;
        EXPECT_STREQ(t.card_code, c.code);
        EXPECT_STREQ(t.expiry, c.expiry);
        EXPECT_STREQ(t.accesses, c.accesses);
    }
}

TEST(CardDecode, UserMarkersOtherThanA5OrFFAreReadErrors) {
    user_form_texts t;
    EXPECT_EQ(decode_user_block("0000000000000000000000000000000F", &t), 1);
    // Both fields are decoded even when the first is in error.
    EXPECT_EQ(decode_user_block("12345678FFFFFFFF0000000000A5000F", &t), 1);
    EXPECT_STREQ(t.card_code, "12345678");
    EXPECT_STREQ(t.expiry, "");
    EXPECT_STREQ(t.accesses, "15");
    EXPECT_EQ(decode_user_block("12345678FFFFFFFFA514050319000000", &t), 1);
    EXPECT_STREQ(t.expiry, "05/03/2019 14");
    EXPECT_STREQ(t.accesses, "");
    // Date digits that are not decimal cannot be read.
    EXPECT_EQ(decode_user_block("12345678FFFFFFFFA5140A0319FF0000", &t), 1);
    EXPECT_STREQ(t.expiry, "");
}

TEST(CardDecode, Year99ReadsAs2099) {
    user_form_texts t;
    EXPECT_EQ(decode_user_block("00000000FFFFFFFFA500010199FF0000", &t), 0);
    EXPECT_STREQ(t.expiry, "01/01/2099 00");
}

TEST(CardDecode, MasterOrders) {
    master_form_state f{};
    EXPECT_EQ(decode_master_block("507007305923013112184D4153544552", &f), 0);
    EXPECT_EQ(f.personal, 1);
    EXPECT_EQ(f.free_mode, 0);
    EXPECT_EQ(f.delete_db, 0);
    EXPECT_STREQ(f.datetime, "31/12/2018 23:59:30");
    EXPECT_EQ(f.datetime_enabled, 1);

    EXPECT_EQ(decode_master_block("46A55AFFFFFFFFFFFFFF4D4153544552", &f), 0);
    EXPECT_EQ(f.personal, 0);
    EXPECT_EQ(f.free_mode, 1);
    EXPECT_EQ(f.delete_db, 1);
    EXPECT_STREQ(f.datetime, "");
    EXPECT_EQ(f.datetime_enabled, 0);

    EXPECT_EQ(decode_master_block("50FFFFFFFFFFFFFFFFFF4D4153544552", &f), 0);
    EXPECT_EQ(f.delete_db, 0);
    EXPECT_STREQ(f.datetime, "");
    EXPECT_EQ(f.datetime_enabled, 1);
}

TEST(CardDecode, DayOfWeekIsIgnored) {
    master_form_state f{};
    EXPECT_EQ(decode_master_block("507007305923053112184D4153544552", &f), 0);
    EXPECT_STREQ(f.datetime, "31/12/2018 23:59:30");
}

TEST(CardDecode, MasterReadErrorsLeaveTheirControls) {
    master_form_state f{1, 0, 0, "keep", 1};
    EXPECT_EQ(decode_master_block("00FFFFFFFFFFFFFFFFFF4D4153544552", &f), 1);
    EXPECT_EQ(f.personal, 1) << "radio buttons left as they were";
    EXPECT_EQ(f.free_mode, 0);
    EXPECT_STREQ(f.datetime, "") << "FFFF still read";

    master_form_state g{0, 1, 1, "keep", 0};
    EXPECT_EQ(decode_master_block("461234FFFFFFFFFFFFFF4D4153544552", &g), 1);
    EXPECT_EQ(g.free_mode, 1);
    EXPECT_EQ(g.delete_db, 1);
    EXPECT_STREQ(g.datetime, "keep");
    EXPECT_EQ(g.datetime_enabled, 1) << "the field is enabled first";
}

TEST(CardDecode, MasterWithoutSignatureClearsTheForm) {
    master_form_state f{1, 0, 1, "keep", 0};
    EXPECT_EQ(decode_master_block("00000000FFFFFFFFA514050319A5000F", &f), 0);
    EXPECT_EQ(f.personal, 0);
    EXPECT_EQ(f.free_mode, 0);
    EXPECT_EQ(f.delete_db, 0);
    EXPECT_STREQ(f.datetime, "");
    EXPECT_EQ(f.datetime_enabled, 1);
}

TEST(CardDecode, MasterRoundTrips) {
    char block[CARD_BLOCK_CHARS + 1];
    ASSERT_EQ(encode_master_block(0, 0, "01/01/2013 00:00:00", block), 0);
    master_form_state f{};
    EXPECT_EQ(decode_master_block(block, &f), 0);
    EXPECT_EQ(f.free_mode, 1);
    EXPECT_STREQ(f.datetime, "01/01/2013 00:00:00");
}
} // namespace
