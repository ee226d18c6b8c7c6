// The classic card writer: ticks, writes of blocks 4 and 5, painting.
#include "classic_poll.h"
#include "profile_classic.h"
#include "tandor_test_support.h"

namespace {
using strings = std::vector<std::string>;

const std::string k_data = "01234567890315121400000000000000";
const std::string k_counter = "0F000000F0FFFFFF0F00000001FE01FE";

class Classic : public CardWriter {
  protected:
    void SetUp() override {
        CardWriter::SetUp();
        profile_set(&k_classic_profile);
        c = classic_state();
    }
    // A card laid and read into the form.
    void laid(const std::string& data = k_data, const std::string& counter = k_counter) {
        reply_card();
        reply_block(data);
        reply_block(counter);
        classic_poll(c);
    }
    classic_state c;
};

TEST_F(Classic, CardIsReadOnceWhileItStays) {
    laid();
    EXPECT_EQ(sent(), (strings{"18", "190A1B2C3D00FFFFFFFFFFFF04", "190A1B2C3D00FFFFFFFFFFFF05"}));
    EXPECT_EQ(c.card_shown, 1);
    EXPECT_EQ(text(TC_CODE), "0123456789");
    EXPECT_EQ(text(TC_ACCESSES), "15");
    EXPECT_EQ(text(TC_EXPIRY), "14/12/2015");
    for (int ctl : {TC_CODE, TC_ACCESSES, TC_EXPIRY, TC_WRITE})
        EXPECT_TRUE(shown(ctl)) << ctl;
    fake::dev().writes.clear();
    for (int i = 0; i < 3; ++i) {
        reply_card();
        classic_poll(c);
    }
    EXPECT_EQ(sent(), (strings{"18", "18", "18"})) << "only card_detect while it stays";
}

TEST_F(Classic, NoCardAndOtherStatuses) {
    reply_no_card();
    classic_poll(c);
    EXPECT_EQ(c.card_shown, 0);
    EXPECT_TRUE(fake::events_of("invalidate").empty());
    laid();
    reply_detect_status("02");
    classic_poll(c);
    EXPECT_EQ(fake::dev().messages.back().text, "Failed operation");
    EXPECT_EQ(c.card_shown, 1);
    reply_no_card();
    classic_poll(c);
    EXPECT_EQ(c.card_shown, 0);
    for (int ctl : {TC_CODE, TC_ACCESSES, TC_EXPIRY, TC_WRITE})
        EXPECT_FALSE(shown(ctl)) << ctl;
    EXPECT_EQ(fake::events_of("invalidate").back(), "0");
}

TEST_F(Classic, UnreadableBlocks) {
    reply_card();
    reply_block_status("02");
    classic_poll(c);
    EXPECT_EQ(c.card_shown, 1);
    EXPECT_EQ(c.card_invalid, 1);
    EXPECT_FALSE(shown(TC_CODE)) << "block 4 unreadable: no fields";
    EXPECT_EQ(fake::events_of("invalidate"), strings{"1"});
    reply_card();
    classic_poll(c);
    EXPECT_EQ(sent().size(), 3u) << "not retried while the card stays";

    SetUp();
    fake::form()[TC_ACCESSES].text = "old";
    reply_card();
    reply_block(k_data);
    reply_block_status("03");
    classic_poll(c);
    EXPECT_EQ(c.card_invalid, 1);
    EXPECT_EQ(text(TC_CODE), "0123456789");
    EXPECT_EQ(text(TC_ACCESSES), "old");
    EXPECT_TRUE(shown(TC_WRITE)) << "block 5 unreadable: fields and button shown";
    EXPECT_EQ(classic_paint(c).back().text, "Invalid card");
}

TEST_F(Classic, WriteSendsBothBlocks) {
    laid();
    fake::dev().writes.clear();
    type_fields("0123456789", "15", "14/12/2015");
    reply_write("00");
    reply_write("00");
    classic_command(c, TC_WRITE);
    EXPECT_EQ(sent(), (strings{"1A0A1B2C3D00FFFFFFFFFFFF0401234567890315121400000000000000",
                               "1A0A1B2C3D00FFFFFFFFFFFF050f000000f0ffffff0f00000001fe01fe"}));
    EXPECT_EQ(c.card_written, 1);
    EXPECT_EQ(c.card_shown, 0) << "the next tick reads the card again";
    reply_card();
    reply_block(k_data);
    reply_block(k_counter);
    classic_poll(c);
    EXPECT_FALSE(shown(TC_WRITE));
    auto steps = classic_paint(c);
    EXPECT_EQ(steps.back().text, "Written card");
    classic_paint_finished(c);
    EXPECT_NE(classic_paint(c).back().text, "Written card");
}

TEST_F(Classic, RefusalsWriteNeitherBlock) {
    struct {
        const char* code;
        const char* accesses;
        const char* expiry;
        const char* message;
    } cases[] = {
        {"012345678", "", "", "Invalid card code: please enter 10 hexadecimal digits (0-9, A-F)"},
        {"0123456789", "2147483648", "",
         "Invalid number of accesses: please enter a number from -2147483648 to 2147483647"},
        {"0123456789", "", "14/12/2012", "Invalid date: please check the format dd/mm/yyyy"},
        {"0123456789", "", "aa/bb/cccc", "Invalid date: please check the format dd/mm/yyyy"},
    };
    for (const auto& k : cases) {
        SetUp();
        laid();
        fake::dev().writes.clear();
        type_fields(k.code, k.accesses, k.expiry);
        classic_command(c, TC_WRITE);
        EXPECT_TRUE(sent().empty()) << k.message;
        EXPECT_EQ(fake::dev().messages.at(0).text, k.message);
        // The form keeps the typing for the technician to correct it.
        reply_card();
        classic_poll(c);
        EXPECT_EQ(text(TC_CODE), k.code) << k.message;
        EXPECT_EQ(text(TC_ACCESSES), k.accesses) << k.message;
        EXPECT_EQ(text(TC_EXPIRY), k.expiry) << k.message;
        EXPECT_TRUE(shown(TC_WRITE)) << k.message;
        EXPECT_EQ(sent(), strings{"18"}) << "no block read again while the card stays";
    }
    // Corrected and written; the card read again only once laid again.
    type_fields("0123456789", "15", "14/12/2015");
    reply_write("00");
    reply_write("00");
    classic_command(c, TC_WRITE);
    EXPECT_EQ(c.card_written, 1);
}

TEST_F(Classic, PaintingInItalian) {
    lang_set(LANGUAGE_ITALIAN);
    EXPECT_EQ(classic_paint(c).back().text, "Poggiare la tessera sul lettore");
    laid();
    auto steps = classic_paint(c);
    ASSERT_EQ(steps.size(), 6u);
    EXPECT_EQ(steps[1].kind, paint_step::OVERLAY);
    EXPECT_EQ(steps[2].text, "Codice carta:");
    EXPECT_EQ(steps[4].text, "Scadenza:");
    EXPECT_EQ(steps[5].text, "Codice: 0A1B2C3D");
    EXPECT_TRUE(steps[5].right_aligned);
    lang_set(LANGUAGE_ENGLISH);
    EXPECT_EQ(classic_paint(c)[4].text, "Expiry date:");
}

TEST_F(Classic, MenuCommands) {
    classic_command(c, 3002);
    EXPECT_EQ(text(TC_WRITE), "Write card");
    EXPECT_EQ(fake::events_of("menu"), strings{"2002"});
    classic_command(c, CMD_COM_PORT);
    EXPECT_EQ(fake::events().back(), "dialog 1003");
    fake::events().clear();
    classic_command(c, 101);
    EXPECT_TRUE(fake::events().empty());
}
TEST_F(Classic, FailedBlock4LeavesBlock5AloneAndTheCardUnwritten) {
    for (const char* status : {"01", "02"}) {
        SetUp();
        laid();
        fake::dev().writes.clear();
        type_fields("0123456789", "15", "14/12/2015");
        reply_write(status);
        reply_write("00");
        classic_command(c, TC_WRITE);
        EXPECT_EQ(sent().size(), 1u) << "block 4 only, status " << status;
        EXPECT_EQ(c.card_written, 0) << status;
        EXPECT_EQ(fake::dev().messages.size(), 1u) << status;
        reply_card();
        reply_block(k_data);
        reply_block(k_counter);
        classic_poll(c);
        EXPECT_TRUE(shown(TC_WRITE)) << status;
        for (const paint_step& p : classic_paint(c))
            EXPECT_NE(p.text, "Written card") << status;
    }
}

TEST_F(Classic, CardLiftedRightAfterAWriteTakesTheFormAndWrittenCardWithIt) {
    laid();
    type_fields("0123456789", "15", "14/12/2015");
    reply_write("00");
    reply_write("00");
    classic_command(c, TC_WRITE);
    ASSERT_EQ(c.card_written, 1);
    reply_no_card(); // lifted before the tick that reads it again
    classic_poll(c);
    for (int ctl : {TC_CODE, TC_ACCESSES, TC_EXPIRY, TC_WRITE})
        EXPECT_FALSE(shown(ctl)) << ctl;
    laid();
    EXPECT_TRUE(shown(TC_WRITE)) << "the next card can be written";
    for (const paint_step& p : classic_paint(c))
        EXPECT_NE(p.text, "Written card");
}
TEST_F(Classic, AnotherCardLaidBetweenTwoTicksIsReadAsANewCard) {
    laid();
    type_fields("typed", "typed", "typed");
    reply_card("99887766");
    reply_block("ABCDEF01230399123100000000000000");
    reply_block(k_counter);
    classic_poll(c);
    EXPECT_STREQ(c.reader.uid, "99887766");
    EXPECT_EQ(text(TC_CODE), "ABCDEF0123");
    EXPECT_EQ(text(TC_EXPIRY), "31/12/2099");
    reply_card("55555555");
    reply_block_status("03");
    classic_poll(c);
    EXPECT_FALSE(shown(TC_CODE)) << "\"Invalid card\" with no fields of the last card";
    EXPECT_FALSE(shown(TC_WRITE));
}
} // namespace
