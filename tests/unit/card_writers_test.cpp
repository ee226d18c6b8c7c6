// Both card writers on a fake reader: the polling tick, the commands, the
// painting, and the sequences a technician goes through.
#include "block_write_checked.h"
#include "card_layout.h"
#include "card_poll.h"
#include "classic_commands.h"
#include "classic_paint.h"
#include "classic_poll.h"
#include "com_dialog.h"
#include "commands.h"
#include "paint.h"
#include "profile_classic.h"
#include "tandor_test_support.h"

#include <cstring>
#include <functional>

namespace {
using fake::events_of;
using strings = std::vector<std::string>;
const char k_user_form[] = "Write uid now code accesses expiry";
const char k_master_form[] = "Write personal free delete now2 datetime";

strings texts(const std::vector<paint_step>& steps) {
    strings out;
    for (const auto& p : steps)
        if (p.kind == paint_step::TEXT || p.kind == paint_step::PROMPT)
            out.push_back(p.text);
    return out;
}

// Where each text of a card form is painted, and in which size.
std::string layout(const std::vector<paint_step>& steps) {
    std::string out;
    for (const auto& p : steps)
        if (p.kind == paint_step::TEXT)
            out += p.text + "@" + std::to_string(p.left) + "," + std::to_string(p.top) + "," +
                   std::to_string(p.right) + "," + std::to_string(p.bottom) + "/" +
                   std::to_string(font_of(p.font).points) + (p.right_aligned ? "R" : "") + ";";
    return out;
}

class Tandor : public CardWriter {
  protected:
    void tick(const std::string& block, const char* uid = "0A1B2C3D") {
        reply_card(uid);
        reply_block(block);
        poll_tick(s, link);
    }
    void no_card() {
        reply_no_card();
        poll_tick(s, link);
    }
    void type_and_write(const char* code, const char* expiry, const char* accesses,
                        const char* status = "00") {
        type_fields(code, accesses, expiry);
        fake::dev().writes.clear();
        if (status)
            reply("1A", status);
        if (status && std::strcmp(status, "00") == 0)
            reply_held();
        tandor_command(s, link, TC_WRITE);
    }
    bool written_shown() { return texts(paint_window(s)).back() == "Written card"; }
};

TEST_F(Tandor, WhatEachCardShows) {
    close_port();
    tick(k_user);
    EXPECT_TRUE(fake::dev().writes.empty()) << "no port: the reader is not asked";
    fake::open(link);
    fake::dev().reads.clear();

    no_card();
    EXPECT_EQ(sent(), strings{"18"});
    EXPECT_TRUE(events_of("invalidate").empty()) << "nothing changed, nothing redrawn";
    EXPECT_EQ(texts(paint_window(s)), strings{"Place the card on the reader"});

    tick(k_blank);
    EXPECT_EQ(sent().back(), "190A1B2C3D00FFFFFFFFFFFF04");
    EXPECT_EQ(showing(), "USER MASTER");
    EXPECT_TRUE(fake::form()[TC_USER_CARD].enabled && !fake::form()[TC_MASTER_CARD].enabled);
    EXPECT_EQ(texts(paint_window(s)), strings{"Select type card"});
    fake::events().clear();
    tick(k_blank);
    EXPECT_TRUE(events_of("invalidate").empty()) << "the same card: nothing redrawn";

    tandor_command(s, link, TC_USER_CARD);
    tick(k_blank);
    EXPECT_EQ(s.seen, card_state::user) << "USER CARD pressed: the empty User form";
    EXPECT_EQ(text(TC_CODE) + text(TC_ACCESSES) + text(TC_EXPIRY), "");
    EXPECT_EQ(showing(), k_user_form);

    no_card();
    EXPECT_EQ(showing(), "");
    EXPECT_EQ(s.prompt, card_prompt::place);
    tick(k_user);
    EXPECT_EQ(text(TC_CODE) + "|" + text(TC_EXPIRY) + "|" + text(TC_ACCESSES),
              "0A1B2C3D|05/03/2019 14|15");
    EXPECT_EQ(paint_window(s)[1].kind, paint_step::OVERLAY) << "the card form is painted";
    fake::form()[TC_ACCESSES].text = "99";
    tick(k_user);
    EXPECT_EQ(text(TC_ACCESSES), "99") << "the form holds while the card stays";
    reply_write_held();
    tandor_command(s, link, TC_RESET); // written blank, and read again
    tick(k_blank);
    EXPECT_EQ(showing(), "USER MASTER");

    no_card();
    lang_set(LANGUAGE_SPANISH);
    tick("46A55AFFFFFFFFFFFFFF4D4153544552");
    EXPECT_TRUE(fake::form()[TC_FREE].checked && fake::form()[TC_DELETE_DB].checked);
    EXPECT_FALSE(fake::form()[TC_PERSONAL].checked || fake::form()[TC_DATETIME].enabled);
    EXPECT_EQ(showing(), k_master_form);
    EXPECT_EQ(events_of("invalidate").back(), "1");
    EXPECT_EQ(texts(paint_window(s)),
              (strings{"Personal", "Free", "Borrar DB", "Fecha y hora", "dd/mm/aaaa hh:mm:ss",
                       "Código: 0A1B2C3D", "Master Card"}));
}

TEST_F(Tandor, PaintingOfTheCardForms) {
    s.card_present = s.user_card = s.written = true;
    std::strcpy(s.reader.uid_display, "0A1B2C3D");
    EXPECT_EQ(layout(paint_window(s)),
              "Card code:@100,100,300,160/14;Number of accesses:@100,160,300,220/14;"
              "Expiry date:@100,220,300,280/14;dd/mm/yyyy hh@100,240,300,280/9;"
              "Code: 0A1B2C3D@50,24,550,80/20R;User Card@50,24,1050,80/20;"
              "Written card@340,306,580,380/20;");
    EXPECT_EQ(paint_window(s).back().color, unsigned(WRITTEN_COLOR));
    s.user_card = s.written = false;
    s.master_card = true;
    EXPECT_EQ(layout(paint_window(s)),
              "Personal@100,100,300,160/14;Free@250,100,300,160/14;Delete DB@100,160,300,280/14;"
              "Datetime@100,220,300,280/14;dd/mm/yyyy hh:mm:ss@100,240,300,280/9;"
              "Code: 0A1B2C3D@50,24,550,80/20R;Master Card@50,24,1050,80/20;");
    const std::vector<paint_step> prompt = paint_window(tandor_state());
    ASSERT_EQ(prompt.size(), 2u);
    EXPECT_EQ(prompt[0].kind, paint_step::BACKGROUND) << "the skin first";
    EXPECT_EQ(font_of(prompt[1].font).points, 24) << "the prompt";
}

TEST_F(Tandor, InvalidCardsAndFailures) {
    tick("1" + std::string(31, '0')); // one character not 0: not blank
    EXPECT_EQ(s.seen, card_state::invalid);
    SetUp();
    tick("0000000000000000000000000000000F"); // expiry marker 00
    EXPECT_EQ(s.seen, card_state::invalid);
    EXPECT_EQ(texts(paint_window(s)), strings{"Invalid card"});
    fake::events().clear();
    tick("0000000000000000000000000000000F");
    EXPECT_TRUE(events_of("invalidate").empty()) << "the same error redraws nothing";
    reply_card();
    reply("19", "03");
    poll_tick(s, link);
    EXPECT_EQ(s.prompt, card_prompt::invalid);
    SetUp();
    tick("00FFFFFFFFFFFFFFFFFF4D4153544552"); // a Master block with no mode
    EXPECT_EQ(s.seen, card_state::invalid);
    EXPECT_EQ(showing(), "");
    fake::form()[TC_DATETIME].text = "kept";
    tick("461234FFFFFFFFFFFFFF4D4153544552", "11111111"); // an order of no meaning
    EXPECT_EQ(text(TC_DATETIME), "kept") << "the field as it was";

    SetUp();
    tick(k_user);
    const tandor_state before = s;
    reply("18", "02");
    poll_tick(s, link);
    fake::script_read(reader_reply("18", "", 0x15));
    poll_tick(s, link);
    EXPECT_EQ(events_of("box"),
              (strings{"Attention|Failed operation", "Attention|General error of the device"}));
    reply_card("DEADBEEF");
    fake::script_read({1, 'F'}); // the block read fails
    poll_tick(s, link);
    EXPECT_EQ(s.seen, before.seen) << "a failed tick changes nothing";
    EXPECT_STREQ(s.reader.uid, before.reader.uid);
    EXPECT_EQ(showing(), k_user_form);

    int sent_meanwhile = -1; // ticks hold off while a box is open
    reply("18", "02");
    fake::dev().on_message = [&] {
        std::size_t writes = fake::dev().writes.size();
        for (int i = 0; i < 5; ++i)
            poll_tick(s, link);
        sent_meanwhile = static_cast<int>(fake::dev().writes.size() - writes);
    };
    poll_tick(s, link);
    EXPECT_EQ(sent_meanwhile, 0);
}

TEST_F(Tandor, WritingCards) {
    tick(k_user);
    type_and_write("", "05/03/2019 14", "15");
    EXPECT_EQ(sent(), (strings{"1A0A1B2C3D00FFFFFFFFFFFF0400000000FFFFFFFFA514050319A5000F",
                               "190A1B2C3D00FFFFFFFFFFFF04"}))
        << "written, then read back";
    EXPECT_TRUE(s.written);
    tick("0A1B2C3DFFFFFFFFFF00000000A5FFFF");
    EXPECT_EQ(text(TC_ACCESSES), "65535") << "read again after the write";
    EXPECT_FALSE(shown(TC_WRITE));
    EXPECT_TRUE(written_shown());
    paint_finished(s);
    EXPECT_FALSE(written_shown()) << "once";

    struct {
        const char *code, *expiry, *accesses, *message;
    } refused[] = {
        {"123", "", "", "Invalid card code: please enter 8 hexadecimal digits (0-9, A-F)"},
        {"", "01/01/2012 10", "", "Invalid date: please check the format dd/mm/yyyy hh"},
        {"", "", "65536", "Invalid number of accesses: please enter a number from 0 to 65535"},
    };
    for (const auto& r : refused) {
        SetUp();
        tick(k_user);
        type_and_write(r.code, r.expiry, r.accesses, nullptr);
        EXPECT_TRUE(sent().empty()) << r.message;
        EXPECT_EQ(events_of("box"), strings{std::string("Attention|") + r.message});
        EXPECT_FALSE(s.card_present) << "cleared once the box is closed";
        EXPECT_EQ(text(TC_CODE), r.code) << "the typed texts stay";
    }
    for (auto status : {"01", "05"}) {
        type_and_write("", "", "", status);
        EXPECT_FALSE(s.written) << status;
    }
    EXPECT_EQ(events_of("box").back(), "Attention|Failed operation");
    EXPECT_EQ(events_of("box").end()[-2], "Attention|No card detected");

    SetUp();
    tick(k_master);
    fake::form()[TC_DATETIME].text = "31/12/2018 23:59:60";
    tandor_command(s, link, TC_WRITE);
    EXPECT_EQ(events_of("box"),
              strings{"Attention|Invalid date: please check the format dd/mm/yyyy hh:mm:ss"});
    fake::form()[TC_DATETIME].text = "31/12/2018 23:59:30";
    reply_write_held();
    tandor_command(s, link, TC_WRITE);
    EXPECT_EQ(last_write(), "1A0A1B2C3D00FFFFFFFFFFFF04507007305923013112184D4153544552");
    s.user_card = true; // the User flag alone chooses the layout
    reply_write_held();
    tandor_command(s, link, TC_WRITE);
    EXPECT_EQ(last_write().substr(26, 8), "00000000") << "from the (hidden) User fields";
    reply_write_held();
    tandor_command(s, link, TC_RESET);
    EXPECT_EQ(last_write(), "1A0A1B2C3D00FFFFFFFFFFFF0400000000000000000000000000000000");
    EXPECT_FALSE(s.user_card || s.master_card);
}

TEST_F(Tandor, FormButtonsAndMenu) {
    tick(k_master);
    EXPECT_EQ(text(TC_DATETIME), "31/12/2018 23:59:30");
    tandor_command(s, link, TC_FREE);
    EXPECT_TRUE(fake::form()[TC_FREE].checked && !fake::form()[TC_PERSONAL].checked);
    tandor_command(s, link, TC_PERSONAL);
    EXPECT_TRUE(!fake::form()[TC_FREE].checked && fake::form()[TC_PERSONAL].checked);
    tandor_command(s, link, TC_DELETE_DB);
    EXPECT_TRUE(fake::form()[TC_DELETE_DB].checked && !fake::form()[TC_DATETIME].enabled);
    EXPECT_EQ(text(TC_DATETIME), "");
    tandor_command(s, link, TC_DELETE_DB);
    EXPECT_TRUE(!fake::form()[TC_DELETE_DB].checked && fake::form()[TC_DATETIME].enabled);

    fake::dev().local = {2099, 12, 31, 9, 5, 3};
    tandor_command(s, link, TC_DATETIME_NOW);
    tandor_command(s, link, TC_EXPIRY_NOW);
    tandor_command(s, link, TC_UID);
    EXPECT_EQ(text(TC_DATETIME) + "|" + text(TC_EXPIRY) + "|" + text(TC_CODE),
              "31/12/2099 09:05:03|31/12/2099 09|0A1B2C3D");
    s.user_card = true;
    reply_write_held();
    tandor_command(s, link, TC_WRITE);
    EXPECT_TRUE(events_of("box").empty()) << "the Now texts pass the checks";

    fake::events().clear();
    tandor_command(s, link, CMD_FRENCH);
    tandor_command(s, link, CMD_COM_PORT);
    tandor_command(s, link, CMD_LANGUAGE_LAST + 1);
    tandor_command(s, link, TC_CODE);
    EXPECT_EQ(fake::log_text(), "menu French; text Write Ecrivez la carte; repaint; dialog French")
        << "other ids do nothing";
}

// The reader's adapter pulled out: one box, quiet retries once a second, and
// polling going on by itself once it is back.
TEST_F(Tandor, ReaderGoneComesBackOnItsOwn) {
    settings_set_port(1);
    tick(k_user);
    fake::dev().write_fails = true; // the device is gone
    poll_tick(s, link);
    EXPECT_EQ(events_of("box"), strings{"Attention|General error of the device"});
    EXPECT_FALSE(link_is_open(link));
    EXPECT_FALSE(fake::dev().is_open) << "the dead port is closed";
    EXPECT_EQ(s.seen, card_state::user) << "the form as it was";
    fake::dev().write_fails = false;
    fake::dev().open_succeeds = false;
    fake::events().clear();
    for (int i = 0; i < 10; ++i) { // four seconds of ticks while it is away
        poll_tick(s, link);
        fake::dev().now += 400;
    }
    EXPECT_GE(events_of("open").size(), 3u);
    EXPECT_LE(events_of("open").size(), 4u) << "at most once a second";
    EXPECT_TRUE(events_of("box").empty() && events_of("sleep").empty()) << "quietly, no waits";
    fake::dev().open_succeeds = true;
    fake::events().clear();
    fake::dev().now += 1000;
    reply_card();
    fake::dev().writes_before_failing = static_cast<int>(fake::dev().writes.size()) + 1;
    poll_tick(s, link); // gone again between detect and block read
    EXPECT_FALSE(link_is_open(link));
    fake::dev().writes_before_failing = -1;
    fake::dev().now += 1000;
    no_card();
    EXPECT_TRUE(link_is_open(link)) << "found and opened again";
    EXPECT_EQ(events_of("open").back(), "\\\\.\\COM1");
    EXPECT_EQ(sent().back(), "18") << "and the tick goes on";
    s.user_card = true;
    fake::dev().write_fails = true;
    type_and_write("", "", "", nullptr);
    EXPECT_TRUE(link.away) << "a write that cannot go out starts the retrying too";
    settings_set_port(1);
    com_dialog_ok(link, 0, "COM1"); // a port chosen in the dialog ends the retrying
    EXPECT_FALSE(link.away);
    EXPECT_EQ(settings_port(), 1) << "the first entry is COM1";
    fake::dev().write_fails = true;
    tandor_command(s, link, TC_RESET);
    EXPECT_TRUE(link.away) << "a Reset that cannot go out as well";
}

// The card lifted at the wrong moment, and cards swapped between two ticks.
TEST_F(Tandor, CardLiftedWhileTheRefusalBoxIsOpenTakesTheFormAndWritesNothing) {
    tick(k_user);
    fake::dev().on_message = [&] { no_card(); }; // lifted while the box is open
    type_and_write("", "31/02/2012 10", "", nullptr);
    no_card();
    EXPECT_EQ(showing(), "");
    EXPECT_FALSE(card_form_shown(s));
    type_and_write("", "", "", nullptr); // a click that still reaches Write card
    EXPECT_TRUE(sent().empty()) << "nothing written, Master least of all";
}

TEST_F(Tandor, CardLiftedRightAfterAWriteTakesWrittenCardWithIt) {
    tick(k_user);
    type_and_write("", "", "");
    ASSERT_TRUE(s.written);
    no_card(); // before the tick that reads it again
    EXPECT_EQ(showing(), "");
    tick(k_user, "99887766");
    EXPECT_TRUE(shown(TC_WRITE)) << "the next card can be written";
    EXPECT_FALSE(written_shown());
}

TEST_F(Tandor, AnotherCardLaidBetweenTwoTicksIsReadAsANewCard) {
    tick(k_blank, "11111111");
    tick(k_user);
    EXPECT_EQ(text(TC_ACCESSES), "15") << "filled from the card, not emptied as for a blank";
    EXPECT_EQ(showing(), k_user_form);
    tick(k_master, "22222222");
    EXPECT_EQ(showing(), k_master_form);
    fake::form()[TC_ACCESSES].text = "77";
    tick(k_user, "33333333");
    EXPECT_EQ(text(TC_ACCESSES), "15") << "read, not held";
}

// Readers acknowledge writes they did not make: the card is written only
// when it holds the block; a reply that came late belongs to its own command;
// and a command pressed behind a box is not rolled back by the tick.
TEST_F(Tandor, WrittenOnlyWhenTheCardHoldsIt) {
    struct {
        const char* what;
        std::function<void()> read_back;
        const char* box;
    } cases[] = {
        {"another block read back", [] { reply_block(k_blank); }, "Attention|Failed operation"},
        {"one digit off, the first", [] { reply_block("10000000FFFFFFFFA514050319A5000F"); },
         "Attention|Failed operation"},
        {"the block not read", [] { reply("19", "03"); }, "Attention|Failed operation"},
        {"no read-back at all", [] {}, "Attention|General error of the device"},
    };
    for (const auto& c : cases) {
        SetUp();
        tick(k_user);
        type_fields("", "15", "05/03/2019 14");
        reply("1A", "00");
        c.read_back();
        tandor_command(s, link, TC_WRITE);
        EXPECT_FALSE(s.written) << c.what;
        EXPECT_EQ(events_of("box"), strings{c.box}) << c.what;
        tick(k_user);
        EXPECT_TRUE(shown(TC_WRITE)) << c.what << ": to be tried again";
        EXPECT_EQ(text(TC_ACCESSES) + "|" + text(TC_EXPIRY), "15|05/03/2019 14") << c.what;
    }
    // A write reply that came after its wait is not the next detect's answer.
    SetUp();
    tick(k_user);
    reply("1A", "00"); // the write, and no reply within the wait
    fake::dev().reads.back().ms = 6000;
    fake::dev().reads.back().data.clear();
    tandor_command(s, link, TC_WRITE);
    fake::dev().unread = reader_reply("1A", "00");
    fake::events().clear();
    tick(k_user);
    EXPECT_TRUE(events_of("box").empty()) << "no \"Failed operation\" from the late reply";
    EXPECT_EQ(showing(), k_user_form);
    EXPECT_FALSE(s.written);
}

// What a checked write came to is its outcome, told once through the link:
// the window's box, or nobody on a quiet link, the outcome the same.
TEST_F(Tandor, ACheckedWriteTellsWhatHappenedOnce) {
    const card_reader reader{{"0A1B2C3D"}, {"0A1B2C3D"}};
    const std::string block = "0A1B2C3DFFFFFFFFA514050319A5000F";
    struct {
        const char* what;
        std::function<void()> replies;
        result ended;
    } cases[] = {
        {"held", [] { reply_write_held(); }, result::done},
        {"no card", [] { reply("1A", "01"); }, result::no_card},
        {"refused", [] { reply("1A", "02"); }, result::failed},
        {"read back other", [] { reply("1A", "00"), reply_block(k_blank); }, result::failed},
        {"the read-back unanswered", [] { reply("1A", "00"); }, result::device_error},
        {"no reply", [] {}, result::device_error},
    };
    for (const auto& c : cases)
        for (bool quiet : {false, true}) {
            SetUp();
            boxes.told.clear();
            if (quiet)
                link.seat = nullptr;
            c.replies();
            const outcome o = block_write_checked(link, reader, CARD_ACCESS_BLOCK, block.c_str());
            EXPECT_EQ(o.what, c.ended) << c.what;
            const std::vector<result> once = c.ended == result::done || quiet
                                                 ? std::vector<result>{}
                                                 : std::vector<result>{c.ended};
            EXPECT_EQ(told(), once) << c.what << (quiet ? " (quiet)" : "");
            EXPECT_EQ(events_of("box").size(), once.size()) << c.what;
        }
}

TEST_F(Tandor, CommandsWaitWhileABoxIsOpen) {
    tick(k_user);
    type_fields("", "15", "");
    fake::script_read(reader_reply("18", "", 0x15)); // the tick's box
    std::size_t sent_under_box = 99;
    fake::dev().on_message = [&] {
        const std::size_t before = fake::dev().writes.size();
        tandor_command(s, link, TC_WRITE);
        tandor_command(s, link, TC_RESET);
        sent_under_box = fake::dev().writes.size() - before;
    };
    poll_tick(s, link);
    EXPECT_EQ(sent_under_box, 0u) << "nothing written behind the box";
    EXPECT_FALSE(s.written);
    reply_write_held();
    tandor_command(s, link, TC_WRITE);
    EXPECT_TRUE(s.written) << "and pressed again, written";
}

// No tick runs under the COM port dialog (a tick's box would stack over the
// dialog and its own error box); a chosen port that does not open takes the
// card's form away, leaving the prompt of a closed port.
TEST_F(Tandor, DialogHoldsTheTicksAndAPortThatFailsClearsTheForm) {
    tick(k_user);
    ASSERT_TRUE(shown(TC_WRITE));
    std::size_t sent_under_dialog = 99;
    fake::on_dialog() = [&] {
        const std::size_t before = fake::dev().writes.size();
        reply_card();
        poll_tick(s, link); // the timer under the dialog
        sent_under_dialog = fake::dev().writes.size() - before;
        fake::dev().open_succeeds = false;
        com_dialog_ok(link, 4, "COM5");
    };
    tandor_command(s, link, CMD_COM_PORT);
    EXPECT_EQ(sent_under_dialog, 0u) << "no tick under the dialog";
    EXPECT_EQ(events_of("box").size(), 1u) << "the COM port error alone";
    EXPECT_FALSE(shown(TC_WRITE) || shown(TC_CODE)) << "no form over a closed port";
    EXPECT_EQ(texts(paint_window(s)), strings{"Place the card on the reader"});
    const std::size_t before = fake::dev().writes.size();
    tandor_command(s, link, TC_WRITE);
    EXPECT_EQ(fake::dev().writes.size(), before) << "nothing to write";
}

// The classic writer: blocks 4 and 5, read once while the card stays.
const std::string k_data = "01234567890315121400000000000000";
const std::string k_counter = "0F000000F0FFFFFF0F00000001FE01FE";
const char k_classic_form[] = "Write code accesses expiry";

class Classic : public CardWriter {
  protected:
    void SetUp() override {
        CardWriter::SetUp();
        profile_set(&k_classic_profile);
        use(k_classic_profile);
        c = classic_state();
    }
    void laid(const char* uid = "0A1B2C3D", const std::string& data = k_data) {
        reply_card(uid);
        reply_block(data);
        reply_block(k_counter);
        classic_poll(c, link);
    }
    void still_there() {
        reply_card();
        classic_poll(c, link);
    }
    // Each block the reader takes is held by the card and read back so.
    void write(const char* status4 = "00", const char* status5 = "00") {
        fake::dev().writes.clear();
        reply("1A", status4);
        if (std::string(status4) == "00") {
            reply_held();
            reply("1A", status5);
            if (std::string(status5) == "00")
                reply_held();
        }
        classic_command(c, link, TC_WRITE);
    }
    bool written_shown() { return texts(classic_paint(c)).back() == "Written card"; }
    classic_state c;
};

TEST_F(Classic, CardReadOnceAndWritten) {
    reply_no_card();
    classic_poll(c, link);
    EXPECT_EQ(texts(classic_paint(c)), strings{"Place the card on the reader"});
    EXPECT_EQ(classic_paint(c)[0].kind, paint_step::BACKGROUND);
    laid();
    EXPECT_EQ(sent(),
              (strings{"18", "18", "190A1B2C3D00FFFFFFFFFFFF04", "190A1B2C3D00FFFFFFFFFFFF05"}));
    EXPECT_EQ(text(TC_CODE) + "|" + text(TC_ACCESSES) + "|" + text(TC_EXPIRY),
              "0123456789|15|14/12/2015");
    EXPECT_EQ(showing(), k_classic_form);
    EXPECT_EQ(classic_paint(c)[1].kind, paint_step::OVERLAY);
    EXPECT_EQ(layout(classic_paint(c)),
              "Card code:@100,100,300,160/14;Number of accesses:@100,160,300,220/14;"
              "Expiry date:@100,220,300,280/14;Code: 0A1B2C3D@50,24,550,80/20R;");
    fake::dev().writes.clear();
    still_there();
    EXPECT_EQ(sent(), strings{"18"}) << "only card_detect while it stays";

    write();
    EXPECT_EQ(sent(), (strings{"1A0A1B2C3D00FFFFFFFFFFFF0401234567890315121400000000000000",
                               "190A1B2C3D00FFFFFFFFFFFF04",
                               "1A0A1B2C3D00FFFFFFFFFFFF050f000000f0ffffff0f00000001fe01fe",
                               "190A1B2C3D00FFFFFFFFFFFF05"}))
        << "each block read back before the next";
    classic_paint_finished(c);
    EXPECT_TRUE(c.card_written) << "only a labelled painting shows and clears it";
    laid();
    EXPECT_FALSE(shown(TC_WRITE)) << "read again after the write";
    EXPECT_EQ(layout(classic_paint(c)).substr(layout(classic_paint(c)).find("Written")),
              "Written card@340,306,580,380/20;");
    classic_paint_finished(c);
    EXPECT_FALSE(written_shown());

    reply("18", "02");
    int sent_meanwhile = -1;
    fake::dev().on_message = [&] {
        std::size_t writes = fake::dev().writes.size();
        classic_poll(c, link);
        sent_meanwhile = static_cast<int>(fake::dev().writes.size() - writes);
    };
    classic_poll(c, link);
    EXPECT_EQ(events_of("box"), strings{"Attention|Failed operation"});
    EXPECT_EQ(sent_meanwhile, 0) << "no tick while the box is open";
    reply_no_card();
    classic_poll(c, link);
    EXPECT_EQ(showing(), "");
    EXPECT_EQ(events_of("invalidate").back(), "0");
}

TEST_F(Classic, RefusedWritesKeepTheTyping) {
    struct {
        const char *code, *accesses, *expiry, *message;
    } cases[] = {
        {"012345678", "", "", "Invalid card code: please enter 10 hexadecimal digits (0-9, A-F)"},
        {"0123456789", "2147483648", "",
         "Invalid number of accesses: please enter a number from -2147483648 to 2147483647"},
        {"0123456789", "", "14/12/2012", "Invalid date: please check the format dd/mm/yyyy"},
    };
    laid();
    for (const auto& k : cases) {
        type_fields(k.code, k.accesses, k.expiry);
        write();
        EXPECT_TRUE(sent().empty()) << k.message;
        EXPECT_EQ(events_of("box").back(), std::string("Attention|") + k.message);
        still_there();
        EXPECT_EQ(text(TC_CODE) + "|" + text(TC_ACCESSES) + "|" + text(TC_EXPIRY),
                  std::string(k.code) + "|" + k.accesses + "|" + k.expiry);
        EXPECT_EQ(showing(), k_classic_form);
    }
    fake::events().clear();
    classic_command(c, link, CMD_ITALIAN);
    classic_command(c, link, CMD_FRENCH);
    classic_command(c, link, CMD_COM_PORT);
    EXPECT_EQ(events_of("menu"), (strings{"Italian", "French"}));
    EXPECT_EQ(text(TC_WRITE), "Ecrivez la carte");
    EXPECT_EQ(fake::events().back(), "dialog French");
}

TEST_F(Classic, FailedBlock4LeavesBlock5AloneAndTheCardUnwritten) {
    for (const char* status : {"01", "02"}) {
        SetUp();
        laid();
        type_fields("0123456789", "15", "14/12/2015");
        type_fields("0123456789", "16", "14/12/2016");
        write(status);
        EXPECT_EQ(sent().size(), 1u) << "block 4 only, status " << status;
        EXPECT_EQ(events_of("box").size(), 1u) << status;
        still_there();
        EXPECT_TRUE(shown(TC_WRITE)) << status;
        EXPECT_FALSE(written_shown()) << status;
        EXPECT_EQ(text(TC_ACCESSES) + text(TC_EXPIRY), "1614/12/2016") << "to be written again";
    }
    write("00", "01");
    EXPECT_EQ(sent().size(), 3u);
    EXPECT_EQ(events_of("box").back(), "Attention|No card detected");
    EXPECT_FALSE(c.card_written) << "block 5 failed";
    fake::dev().write_fails = true; // the adapter pulled out during the write
    classic_command(c, link, TC_WRITE);
    EXPECT_TRUE(link.away) << "retried quietly from then on";
    for (int taken : {0, 1, 2}) { // or before detect, block 4 or block 5 is read
        SetUp();
        fake::dev().writes_before_failing = taken; // and no reply from then on
        if (taken > 0)
            reply_card();
        if (taken > 1)
            reply_block(k_data);
        classic_poll(c, link);
        EXPECT_TRUE(link.away) << taken;
    }
}

TEST_F(Classic, WrittenOnlyWhenTheCardHoldsBothBlocks) {
    laid();
    type_fields("0123456789", "16", "14/12/2016");
    reply("1A", "00");
    reply_block(k_data); // block 4 still holds the old card
    classic_command(c, link, TC_WRITE);
    EXPECT_EQ(last_write().substr(2, 24), "0A1B2C3D00FFFFFFFFFFFF04") << "block 5 not sent";
    EXPECT_EQ(events_of("box"), strings{"Attention|Failed operation"});
    still_there();
    EXPECT_EQ(showing(), k_classic_form);
    EXPECT_EQ(text(TC_ACCESSES), "16") << "the typing kept";
    reply("1A", "00");
    reply_held();
    reply("1A", "00");
    reply("19", "03"); // block 5 not read back
    classic_command(c, link, TC_WRITE);
    EXPECT_FALSE(c.card_written);
    EXPECT_EQ(events_of("box").size(), 2u);
    write();
    EXPECT_TRUE(c.card_written);
}

// What the card holds decides: a block 5 that cannot be read, or a counter
// whose copies disagree, is an invalid card with nothing to write.
TEST_F(Classic, UnreadableOrDamagedCounterIsAnInvalidCard) {
    const std::string damaged = "0F000000F0FFFFFF0E00000001FE01FE";
    for (int kind = 0; kind < 2; ++kind) {
        SetUp();
        type_fields("stale", "stale", "stale");
        reply_card();
        reply_block(k_data);
        if (kind == 0)
            reply("19", "03");
        else
            reply_block(damaged);
        classic_poll(c, link);
        EXPECT_EQ(showing(), "") << kind;
        EXPECT_EQ(texts(classic_paint(c)), strings{"Invalid card"}) << kind;
        fake::dev().writes.clear();
        classic_command(c, link, TC_WRITE);
        EXPECT_TRUE(sent().empty()) << kind << ": nothing written onto it";
    }
    laid("11223344", "01234567890015121400000000000000"); // no count: block 5 not one
    EXPECT_EQ(showing(), k_classic_form);
}

// A write cut between block 4 and block 5 (block 5 refused, the card lifted
// during block 4's read-back) leaves the count flag over a block 5 that was
// never written: the card is shown with empty accesses and says so, and a
// write puts both blocks right. A damaged block 5 stays invalid (above).
TEST_F(Classic, CountNeverWrittenBehindItsFlagStaysWritable) {
    laid("0A1B2C3D", std::string(32, '0')); // a fresh card
    type_fields("0123456789", "15", "");
    reply("1A", "00");
    reply_held();
    reply("1A", "02"); // block 5 refused: the write is cut
    fake::dev().writes.clear();
    classic_command(c, link, TC_WRITE);
    EXPECT_FALSE(c.card_written);
    reply_no_card();
    classic_poll(c, link);
    // Laid again: block 4 with its count flag, block 5 still zeros.
    reply_card();
    reply_block("01234567890100000000000000000000");
    reply_block(std::string(32, '0'));
    classic_poll(c, link);
    EXPECT_EQ(showing(), k_classic_form) << "writable, not an invalid card";
    EXPECT_EQ(text(TC_ACCESSES), "");
    EXPECT_EQ(texts(classic_paint(c)).back(), "Number of accesses never written on the card");
    lang_set(LANGUAGE_FRENCH);
    EXPECT_EQ(texts(classic_paint(c)).back(), "Nombre d'accès jamais écrit sur la carte");
    lang_set(LANGUAGE_ENGLISH);
    type_fields("0123456789", "15", "");
    write();
    EXPECT_TRUE(c.card_written);
    EXPECT_EQ(sent().back(), "190A1B2C3D00FFFFFFFFFFFF05") << "block 5 read back";
    laid(); // the next card: a sound count, nothing to say
    EXPECT_NE(texts(classic_paint(c)).back(), "Number of accesses never written on the card");
}

TEST_F(Classic, AnotherCardRightAfterAWriteIsReadAsItself) {
    laid();
    write();
    laid("99887766", "ABCDEF01230399123100000000000000"); // no empty tick between
    EXPECT_TRUE(shown(TC_WRITE)) << "nothing was written on this one";
    EXPECT_FALSE(written_shown());
    EXPECT_EQ(text(TC_CODE), "ABCDEF0123");
}

TEST_F(Classic, CommandsWaitWhileABoxIsOpen) {
    laid();
    reply("18", "02"); // the tick's box
    std::size_t sent_under_box = 99;
    fake::dev().on_message = [&] {
        const std::size_t before = fake::dev().writes.size();
        classic_command(c, link, TC_WRITE);
        sent_under_box = fake::dev().writes.size() - before;
    };
    classic_poll(c, link);
    EXPECT_EQ(sent_under_box, 0u);
    EXPECT_FALSE(c.card_written);
}

TEST_F(Classic, DialogHoldsTheTicksAndAPortThatFailsClearsTheForm) {
    laid();
    ASSERT_TRUE(shown(TC_WRITE));
    std::size_t sent_under_dialog = 99;
    fake::on_dialog() = [&] {
        const std::size_t before = fake::dev().writes.size();
        still_there(); // the timer under the dialog
        sent_under_dialog = fake::dev().writes.size() - before;
        fake::dev().open_succeeds = false;
        com_dialog_ok(link, 4, "COM5");
    };
    classic_command(c, link, CMD_COM_PORT);
    EXPECT_EQ(sent_under_dialog, 0u) << "no tick under the dialog";
    EXPECT_FALSE(shown(TC_WRITE) || shown(TC_CODE)) << "no fields over a closed port";
    EXPECT_EQ(texts(classic_paint(c)), strings{"Place the card on the reader"});
}

TEST_F(Classic, CardLiftedOrSwappedBetweenTwoTicks) {
    laid();
    write();
    reply_no_card(); // lifted before the tick that reads it again
    classic_poll(c, link);
    EXPECT_EQ(showing(), "");
    laid();
    EXPECT_TRUE(shown(TC_WRITE)) << "the next card can be written";
    EXPECT_FALSE(written_shown());

    type_fields("typed", "typed", "typed");
    laid("99887766", "ABCDEF01230399123100000000000000");
    EXPECT_EQ(text(TC_CODE) + "|" + text(TC_EXPIRY), "ABCDEF0123|31/12/2099");
    reply_card("55555555");
    reply("19", "03");
    classic_poll(c, link);
    EXPECT_EQ(showing(), "") << "no fields of the last card";
}
} // namespace
