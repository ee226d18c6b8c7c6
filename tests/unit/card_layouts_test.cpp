// The card blocks of both card writers: encoding from the form texts, and the
// refusals that keep a card from being spoilt (whatever is typed). Reading
// cards into the form is the polling's test.
#include "card_layout.h"
#include "card_writer_texts.h"
#include "classic_layout.h"
#include "text_number.h"
#include "texts_classic.h"
#include "texts_tandor.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {
const std::string k_long(300, '1');

struct encoded {
    int refused;
    std::string block;
};

// 0 for a text the checks pass, else the message that refuses it (a
// refusal under "Attention", nothing else).
int refusal_of(const outcome& o) {
    if (o.done())
        return 0;
    EXPECT_EQ(o.what, result::refused);
    EXPECT_EQ(o.caption, TXT_ATTENTION);
    return o.text;
}

encoded user(const std::string& code, const std::string& expiry, const std::string& accesses) {
    char out[CARD_BLOCK_CHARS + 1] = "untouched";
    const outcome r = encode_user_block(code.c_str(), expiry.c_str(), accesses.c_str(), out);
    return {refusal_of(r), out};
}

encoded master(bool personal, bool delete_db, const std::string& datetime) {
    char out[CARD_BLOCK_CHARS + 1] = "untouched";
    const outcome r = encode_master_block(personal, delete_db, datetime.c_str(), out);
    return {refusal_of(r), out};
}

// Refused with `message`, and nothing written into the block.
void expect_refused(const encoded& e, int message, const std::string& typed) {
    EXPECT_EQ(e.refused, message) << typed;
    EXPECT_EQ(e.block, "untouched") << typed;
}

// The date reader every form shares: the last day of each month, the day
// after it, and the leap years of the Gregorian calendar.
TEST(DateText, OnlyDaysThatExist) {
    const int last[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m) {
        EXPECT_TRUE(day_exists(last[m - 1], m, 2023)) << m;
        EXPECT_FALSE(day_exists(last[m - 1] + 1, m, 2023)) << m;
    }
    EXPECT_TRUE(day_exists(29, 2, 2024));
    EXPECT_TRUE(day_exists(29, 2, 2000)) << "divisible by 400";
    EXPECT_FALSE(day_exists(29, 2, 2100)) << "divisible by 100";
    EXPECT_FALSE(day_exists(0, 1, 2024) || day_exists(1, 0, 2024) || day_exists(1, 13, 2024));
    int d = 0, m = 0, y = 0;
    EXPECT_TRUE(date_text_at("29/02/2024 and more", &d, &m, &y));
    EXPECT_EQ(d * 1000000 + m * 10000 + y, 29022024);
    for (const char* t : {"01/02/20", "", "1/02/2024x", "01/02/2O24"})
        EXPECT_FALSE(date_text_at(t, &d, &m, &y)) << t;
    long long v = 0;
    EXPECT_FALSE(leading_number("x1", &v) || leading_number("", &v));
    EXPECT_TRUE(whole_number("-12", true, &v) && v == -12);
    EXPECT_FALSE(whole_number("-12", false, &v) || whole_number("-", true, &v) ||
                 whole_number("", false, &v));
}

TEST(UserCard, EncodedFromTheFormTexts) {
    struct {
        std::string code, expiry, accesses, block;
    } cases[] = {
        {"", "05/03/2019 14", "15", "00000000FFFFFFFFA514050319A5000F"}, // the worked example
        {"", "", "", "00000000FFFFFFFFFF00000000FF0000"},
        {"0a1b2c3d", "", "65535", "0A1B2C3DFFFFFFFFFF00000000A5FFFF"},
        {"FFFFFFFF", "01/01/2013 00", "0", "FFFFFFFFFFFFFFFFA500010113A50000"},
        {"", "31/12/2099 24", "", "00000000FFFFFFFFA524311299FF0000"},    // hour 24
        {"", "29/02/2024 10", "012", "00000000FFFFFFFFA510290224A5000C"}, // a leap year
    };
    for (const auto& c : cases)
        EXPECT_EQ(user(c.code, c.expiry, c.accesses).block, c.block) << c.block;
}

TEST(UserCard, RefusedTextsWriteNothing) {
    for (const char* code :
         {"1234567", "123456789", "1234567G", "0A1B2C3\xC3\xA9", "\t0A1B2C3", k_long.c_str()})
        expect_refused(user(code, "", ""), TXT_BAD_CARD_CODE, code);
    // The whole field is one date, of a day that exists.
    for (const char* expiry :
         {"31/02/2099 23", "30/02/2024 10", "29/02/2023 10",  "31/04/2020 10", " 1/02/2019 10",
          "+1/02/2019 10", "01/01/2020 +9", "1/02/2019 10",   "ab/cd/efgh ij", "01/01/2012 10",
          "01/01/2100 10", "00/01/2020 10", "32/01/2020 10",  "01/00/2020 10", "01/13/2020 10",
          "01/01/2020 25", "01/01/2020-10", "05/03/2019\t14", "05/3/2019  14", "05/03/2019 140",
          k_long.c_str()})
        expect_refused(user("", expiry, ""), TXT_BAD_EXPIRY, expiry);
    // The whole field is one number: nothing before, after or inside it.
    for (const char* accesses : {"65536", "-1", "99999999999999999999999", "abc", "l5", "15a",
                                 " 12", "12 ", "1 5", "+5", "\xEF\xBC\x91", "1\n", "-0"})
        expect_refused(user("", "", accesses), TXT_BAD_ACCESSES, accesses);
    // The card code is checked first, then the expiry, then the accesses.
    expect_refused(user("xyz", "bad", "-1"), TXT_BAD_CARD_CODE, "all three");
    expect_refused(user("", "bad", "-1"), TXT_BAD_EXPIRY, "expiry and accesses");
}

TEST(MasterCard, EncodedOrRefused) {
    EXPECT_EQ(master(true, false, "31/12/2018 23:59:30").block, "507007305923013112184D4153544552");
    EXPECT_EQ(master(false, true, "").block, "46A55AFFFFFFFFFFFFFF4D4153544552");
    master_form_state shown{};
    std::strcpy(shown.datetime, "01/01/2020 00:00:00");
    ASSERT_TRUE(decode_master_block("46A55AFFFFFFFFFFFFFF4D4153544552", &shown));
    EXPECT_STREQ(shown.datetime, "") << "Delete DB clears the date and time";
    user_form_texts short_block{};
    EXPECT_FALSE(decode_user_block("0A1B2C3D", &short_block));
    EXPECT_EQ(master(false, false, "").block, "46FFFFFFFFFFFFFFFFFF4D4153544552");
    EXPECT_EQ(master(true, true, "not a date").block, "50A55AFFFFFFFFFFFFFF4D4153544552");
    EXPECT_EQ(master(false, false, "31/12/2018 24:00:00").block,
              "467007000024013112184D4153544552");
    EXPECT_EQ(master(true, false, "29/02/2020 03:59:30").block, "507007305903012902204D4153544552");
    for (const std::string t :
         {"31/12/2018  3:59:30", "29/02/2019 10:00:00", "31/11/2018 10:00:00",
          "31/12/2018 23-59-30", "31/12/2018 23:59:60", "31/12/2018 23:60:00",
          "31/12/2018 25:00:00", "31/12/2012 10:00:00", "31/12/2100 10:00:00", "1/12/2018 23:59:30",
          "31-12-2018 23:59:30", "31/12-2018 23:59:30", "31-12/2018 23:59:30",
          "ab/cd/efgh ij:kl:mn", "31/12/2018 23:59:30 ", "00/12/2018 10:00:00",
          "31/00/2018 10:00:00", "31/12/2018 23:59:3\xC3\xA9", "31/1/2018 23:59:300"})
        expect_refused(master(true, false, t), TXT_BAD_DATETIME, t);
}

// The classic layout: block 4 (code, flags, expiry) and block 5 (a value
// block of the accesses).
encoded classic_data_payload(const std::string& code, const std::string& accesses,
                             const std::string& expiry) {
    char out[CLASSIC_PAYLOAD_CHARS + 1] = "untouched";
    const outcome r =
        classic_encode_data("0A1B2C3D", code.c_str(), accesses.c_str(), expiry.c_str(), out);
    return {refusal_of(r), out};
}

encoded classic_counter_payload(const std::string& accesses) {
    char out[CLASSIC_PAYLOAD_CHARS + 1] = "untouched";
    const outcome r = classic_encode_counter("0A1B2C3D", accesses.c_str(), out);
    return {refusal_of(r), out};
}

TEST(ClassicCard, EncodedFromTheFormTexts) {
    EXPECT_EQ(classic_data_payload("0123456789", "15", "14/12/2015").block,
              "0A1B2C3D00FFFFFFFFFFFF0401234567890315121400000000000000");
    EXPECT_EQ(classic_counter_payload("15").block,
              "0A1B2C3D00FFFFFFFFFFFF050f000000f0ffffff0f00000001fe01fe");
    EXPECT_EQ(classic_data_payload("abcdef0123", "", "").block.substr(24),
              "ABCDEF01230000000000000000000000");
    EXPECT_EQ(classic_data_payload("0123456789", "-5", "").block.substr(34, 2), "01");
    EXPECT_EQ(classic_data_payload("0123456789", "", "29/02/2096").block.substr(34, 8), "02960229");
    EXPECT_EQ(classic_data_payload("0123456789", "", "01/01/2013").block.substr(34, 8), "02130101");
    struct {
        const char* accesses;
        const char* value;
    } counters[] = {
        {"-1", "ffffffff00000000ffffffff01fe01fe"},
        {"", "00000000ffffffff0000000001fe01fe"},
        {"2147483647", "ffffff7f00000080ffffff7f01fe01fe"},
        {"-2147483648", "00000080ffffff7f0000008001fe01fe"},
    };
    for (const auto& c : counters)
        EXPECT_EQ(classic_counter_payload(c.accesses).block.substr(24), c.value) << c.accesses;
}

TEST(ClassicCard, RefusedTextsWriteNothing) {
    for (const char* code : {"", "012345678", "01234567890", "01234567\xC3\xA9"})
        expect_refused(classic_data_payload(code, "", ""), TXT_CLASSIC_BAD_CARD_CODE, code);
    for (const char* accesses : {"2147483648", "-2147483649", k_long.c_str(), "abc", "l5", "15a",
                                 "-", "--5", " 15", "1 5", "\xEF\xBC\x91"})
        expect_refused(classic_data_payload("0123456789", accesses, ""), TXT_CLASSIC_BAD_ACCESSES,
                       accesses);
    for (const char* expiry :
         {"14/12/2012", "01/01/2100", "1/1/2015", "01-01-2015", "00/01/2015", "32/01/2015",
          "01/00/2015", "01/13/2015", "aa/bb/cccc", "14/12/2015\n", "14/1/20155", "31/02/2099",
          "29/02/2097", "31/06/2015", " 1/01/2015"})
        expect_refused(classic_data_payload("0123456789", "", expiry), TXT_BAD_DATE, expiry);
    EXPECT_EQ(classic_counter_payload("4294967296").refused, TXT_CLASSIC_BAD_ACCESSES);
}

// What a card may hold that no writer of ours wrote.
TEST(ClassicCard, DecodedIntoTheForm) {
    classic_data data;
    classic_decode_data("01234567890115121400000000000000", &data);
    EXPECT_STREQ(data.expiry, "") << "flag bit 1 clear: no date, whatever the bytes";
    char accesses[12] = "x";
    classic_decode_counter("0F000000F0FFFFFF0F00000001FE01FE", 0x02, accesses);
    EXPECT_STREQ(accesses, "") << "flag bit 0 clear: no accesses";
    EXPECT_TRUE(classic_decode_counter("00000000000000000000000000000000", 0x02, accesses))
        << "a fresh card's block 5 is no count, and none is looked for";
    EXPECT_TRUE(classic_decode_counter("0501000FFAFEFFF00501000F05FA05FA", 0x01, accesses));
    EXPECT_STREQ(accesses, "251658501");
    // A counter whose copies disagree is damaged, not a count.
    for (const char* damaged :
         {"05010000ZZZZZZZZFFFFFFFF00000000", "0F000000F0FFFFFF0E00000001FE01FE",
          "0F000000F1FFFFFF0F00000001FE01FE", "0F000000F0FFFFFF0F00000001FE02FE",
          "0F000000F0FFFFFF0F00000001FF01FE", "0F000000F0FFFFFF0F00000001FE01FF",
          "00000000000000000000000000000000", "0F000000F0FFFF"})
        EXPECT_FALSE(classic_decode_counter(damaged, 0x01, accesses)) << damaged;
    classic_decode_data("0123456789ZZ1512140000000000000F", &data);
    EXPECT_EQ(data.flags, 0) << "unreadable flags: neither date nor accesses";
    EXPECT_STREQ(data.expiry, "");
    classic_decode_data("012345678902151A1400000000000000", &data);
    EXPECT_STREQ(data.expiry, "14/1A/2015") << "shown as it stands";
    classic_date d;
    EXPECT_FALSE(classic_expiry_valid(data.expiry, &d)) << "and refused by a rewrite";
    EXPECT_TRUE(classic_expiry_valid("31/12/2099", &d) && classic_expiry_valid("01/01/2013", &d));
    EXPECT_FALSE(classic_expiry_valid("01/01/2100", &d) || classic_expiry_valid("31/12/2012", &d));
}
} // namespace
