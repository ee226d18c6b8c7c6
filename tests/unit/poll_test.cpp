// The polling tick: from the reader's answers to what the window shows.
#include "commands.h"
#include "paint.h"
#include "poll.h"
#include "tandor_test_support.h"

namespace {
using strings = std::vector<std::string>;

class Poll : public CardWriter {};

TEST_F(Poll, PortNotOpenDoesNothing) {
    set_port_open_flag(0);
    reply_card();
    poll_tick(s);
    EXPECT_TRUE(fake::dev().writes.empty());
    EXPECT_EQ(s.card_state, CARD_NONE);
}

TEST_F(Poll, NoCardSendsOnlyDetect) {
    reply_no_card();
    poll_tick(s);
    EXPECT_EQ(sent(), strings{"18"});
    EXPECT_EQ(s.card_state, CARD_NONE);
    EXPECT_EQ(s.prompt_index, PROMPT_PLACE);
    EXPECT_TRUE(fake::events_of("invalidate").empty()) << "nothing changed: nothing redrawn";
}

TEST_F(Poll, BlankCardOffersTheCardTypes) {
    reply_card();
    reply_block(k_blank);
    poll_tick(s);
    EXPECT_EQ(sent(), (strings{"18", "190A1B2C3D00FFFFFFFFFFFF04"}));
    EXPECT_EQ(s.card_state, CARD_BLANK);
    EXPECT_EQ(s.prompt_index, PROMPT_SELECT_TYPE);
    EXPECT_TRUE(shown(TC_USER_CARD));
    EXPECT_TRUE(fake::form()[TC_USER_CARD].enabled);
    EXPECT_TRUE(shown(TC_MASTER_CARD));
    EXPECT_FALSE(fake::form()[TC_MASTER_CARD].enabled);
    EXPECT_FALSE(shown(TC_WRITE));
    EXPECT_EQ(fake::events_of("invalidate"), strings{"0"});
    // The next tick with the same card redraws nothing.
    fake::events().clear();
    reply_card();
    reply_block(k_blank);
    poll_tick(s);
    EXPECT_TRUE(fake::events_of("invalidate").empty());
}

TEST_F(Poll, UserCardButtonGivesAnEmptyUserForm) {
    reply_card();
    reply_block(k_blank);
    poll_tick(s);
    s.user_card = 1; // USER CARD pressed
    reply_card();
    reply_block(k_blank);
    poll_tick(s);
    EXPECT_EQ(s.card_state, CARD_USER);
    EXPECT_EQ(text(TC_CODE), "");
    EXPECT_EQ(text(TC_ACCESSES), "");
    EXPECT_EQ(text(TC_EXPIRY), "");
    for (int c : {TC_UID, TC_CODE, TC_ACCESSES, TC_EXPIRY, TC_EXPIRY_NOW, TC_WRITE})
        EXPECT_TRUE(shown(c)) << c;
    EXPECT_FALSE(shown(TC_USER_CARD));
    EXPECT_FALSE(shown(TC_MASTER_CARD));
}

TEST_F(Poll, UserCardIsDecodedOnceAndHeldWhileItStays) {
    reply_card();
    reply_block(k_user);
    poll_tick(s);
    EXPECT_EQ(s.card_state, CARD_USER);
    EXPECT_EQ(text(TC_CODE), "0A1B2C3D");
    EXPECT_EQ(text(TC_EXPIRY), "05/03/2019 14");
    EXPECT_EQ(text(TC_ACCESSES), "15");
    EXPECT_TRUE(shown(TC_WRITE));
    EXPECT_EQ(std::string(s.reader.uid_display), "0A1B2C3D");

    fake::form()[TC_ACCESSES].text = "99"; // the user types
    fake::events().clear();
    reply_card();
    reply_block(k_user);
    poll_tick(s);
    EXPECT_EQ(text(TC_ACCESSES), "99") << "the form holds";
    EXPECT_EQ(sent().size(), 4u) << "the card is read on every tick all the same";
    EXPECT_TRUE(fake::events_of("invalidate").empty());
}

TEST_F(Poll, MasterCardFillsTheMasterForm) {
    reply_card();
    reply_block("46A55AFFFFFFFFFFFFFF4D4153544552");
    poll_tick(s);
    EXPECT_EQ(s.card_state, CARD_MASTER);
    EXPECT_EQ(fake::form()[TC_FREE].checked, 1);
    EXPECT_EQ(fake::form()[TC_PERSONAL].checked, 0);
    EXPECT_EQ(fake::form()[TC_DELETE_DB].checked, 1);
    EXPECT_FALSE(fake::form()[TC_DATETIME].enabled);
    for (int c : {TC_PERSONAL, TC_FREE, TC_DELETE_DB, TC_DATETIME, TC_DATETIME_NOW, TC_WRITE})
        EXPECT_TRUE(shown(c)) << c;
    EXPECT_FALSE(shown(TC_CODE));
    EXPECT_EQ(fake::events_of("invalidate"), strings{"1"});
}

TEST_F(Poll, UnreadableOrUndecodableBlockIsAnInvalidCard) {
    reply_card();
    reply_block_status("03");
    poll_tick(s);
    EXPECT_EQ(s.card_state, CARD_INVALID);
    EXPECT_EQ(s.prompt_index, PROMPT_INVALID);
    EXPECT_EQ(fake::events_of("invalidate"), strings{"1"});

    SetUp();
    reply_card();
    reply_block("0000000000000000000000000000000F"); // expiry marker 00
    poll_tick(s);
    EXPECT_EQ(s.card_state, CARD_INVALID);
    EXPECT_FALSE(shown(TC_WRITE));
    // The same result on the next tick redraws nothing.
    fake::events().clear();
    reply_card();
    reply_block("0000000000000000000000000000000F");
    poll_tick(s);
    EXPECT_TRUE(fake::events_of("invalidate").empty());
    EXPECT_EQ(s.prompt_index, PROMPT_INVALID);
}

TEST_F(Poll, CardTakenAwayHidesTheForm) {
    reply_card();
    reply_block(k_user);
    poll_tick(s);
    reply_no_card();
    poll_tick(s);
    EXPECT_EQ(s.card_state, CARD_NONE);
    EXPECT_EQ(s.prompt_index, PROMPT_PLACE);
    EXPECT_EQ(s.card_present, 0);
    EXPECT_EQ(s.user_card, 0);
    for (int c : {TC_UID, TC_CODE, TC_ACCESSES, TC_EXPIRY, TC_EXPIRY_NOW, TC_WRITE})
        EXPECT_FALSE(shown(c)) << c;
    EXPECT_EQ(fake::events_of("invalidate").back(), "0");
    EXPECT_EQ(std::string(s.reader.uid), "0A1B2C3D") << "the UID stays";
}

TEST_F(Poll, OtherDetectStatusShowsFailedOperationAndChangesNothing) {
    reply_card();
    reply_block(k_user);
    poll_tick(s);
    tandor_state before = s;
    reply_detect_status("02");
    poll_tick(s);
    EXPECT_EQ(fake::dev().messages.back().text, "Failed operation");
    EXPECT_EQ(fake::dev().messages.back().caption, "Attention");
    EXPECT_EQ(s.card_state, before.card_state);
    EXPECT_EQ(s.card_present, before.card_present);
}

TEST_F(Poll, FailedExchangeChangesNothing) {
    reply_card();
    reply_block(k_user);
    poll_tick(s);
    fake::script_read(reader_reply("18", "", 0x15)); // NAK
    poll_tick(s);
    EXPECT_EQ(fake::dev().messages.back().text, "General error of the device");
    EXPECT_EQ(s.card_state, CARD_USER);
    // The block read failing after a detect that found a card.
    reply_no_card();
    poll_tick(s);
    reply_card("DEADBEEF");
    fake::script_read(fake::from_text("\x01"
                                      "F")); // short
    poll_tick(s);
    EXPECT_EQ(s.card_state, CARD_NONE);
    EXPECT_EQ(s.card_present, 0);
}

TEST_F(Poll, WrittenCardIsReadAgainAndTheButtonHidden) {
    reply_card();
    reply_block(k_user);
    poll_tick(s);
    s.written = 1;
    reply_card();
    reply_block("0A1B2C3DFFFFFFFFFF00000000A50063");
    poll_tick(s);
    EXPECT_EQ(text(TC_ACCESSES), "99") << "refilled from the card";
    EXPECT_EQ(text(TC_EXPIRY), "");
    EXPECT_FALSE(shown(TC_WRITE));
}

class PollHold : public CardWriter {};

TEST_F(PollHold, TicksHoldOffWhileAMessageBoxIsOpen) {
    // A reader stuck on a failure status: the box of the first tick is open
    // while the timer keeps firing; those ticks send nothing.
    int nested_writes = -1;
    reply_detect_status("02");
    fake::dev().on_message = [&] {
        std::size_t before = fake::dev().writes.size();
        for (int i = 0; i < 5; ++i)
            poll_tick(s);
        nested_writes = static_cast<int>(fake::dev().writes.size() - before);
    };
    poll_tick(s);
    EXPECT_EQ(nested_writes, 0);
    EXPECT_EQ(fake::dev().messages.size(), 1u);
}
// A technician's sequences: the card lifted at the wrong moment.
class Sequence : public CardWriter {
  protected:
    void user_form_shown() {
        reply_card();
        reply_block(k_user);
        poll_tick(s);
        ASSERT_TRUE(shown(TC_WRITE));
    }
    void expect_form_hidden() {
        for (int c : {TC_UID, TC_CODE, TC_ACCESSES, TC_EXPIRY, TC_EXPIRY_NOW, TC_WRITE, TC_PERSONAL,
                      TC_FREE, TC_DELETE_DB, TC_DATETIME, TC_DATETIME_NOW})
            EXPECT_FALSE(shown(c)) << c;
        EXPECT_EQ(card_form_shown(s), 0);
    }
};

TEST_F(Sequence, CardLiftedWhileTheRefusalBoxIsOpenTakesTheFormAndWritesNothing) {
    user_form_shown();
    fake::form()[TC_EXPIRY].text = "31/02/2012 10";
    // The card goes while the box is open: the ticks then hold off.
    fake::dev().on_message = [&] {
        reply_no_card();
        poll_tick(s);
    };
    tandor_command(s, TC_WRITE);
    ASSERT_EQ(fake::dev().messages.size(), 1u);
    reply_no_card();
    poll_tick(s);
    expect_form_hidden();
    // A click that still reaches Write card writes nothing, Master least of all.
    fake::dev().writes.clear();
    fake::form()[TC_EXPIRY].text = "";
    tandor_command(s, TC_WRITE);
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(fake::dev().messages.size(), 1u);
}

TEST_F(Sequence, CardLiftedRightAfterAWriteTakesWrittenCardWithIt) {
    user_form_shown();
    reply_write("00");
    tandor_command(s, TC_WRITE);
    ASSERT_EQ(s.written, 1);
    reply_no_card(); // lifted before the tick that reads it again
    poll_tick(s);
    expect_form_hidden();
    reply_card("99887766");
    reply_block(k_user);
    poll_tick(s);
    EXPECT_TRUE(shown(TC_WRITE)) << "the next card can be written";
    for (const paint_step& p : paint_window(s))
        EXPECT_NE(p.text, "Written card");
}
// Cards swapped faster than a tick: each is read as the new card it is.
TEST_F(Sequence, AnotherCardLaidBetweenTwoTicksIsReadAsANewCard) {
    reply_card("11111111");
    reply_block(k_blank);
    poll_tick(s);
    ASSERT_EQ(s.card_state, CARD_BLANK);
    reply_card("0A1B2C3D");
    reply_block(k_user);
    poll_tick(s);
    EXPECT_EQ(s.card_state, CARD_USER);
    EXPECT_EQ(text(TC_ACCESSES), "15") << "filled from the card, not emptied as for a blank";
    EXPECT_FALSE(shown(TC_USER_CARD));
    fake::form()[TC_ACCESSES].text = "77";
    reply_card("22222222");
    reply_block(k_master);
    poll_tick(s);
    EXPECT_EQ(s.card_state, CARD_MASTER);
    EXPECT_FALSE(shown(TC_CODE)) << "no User field over the Master form";
    EXPECT_TRUE(shown(TC_DATETIME));
    reply_card("33333333");
    reply_block(k_user);
    poll_tick(s);
    EXPECT_EQ(text(TC_ACCESSES), "15") << "read, not held";
    EXPECT_TRUE(shown(TC_WRITE));
}
} // namespace
