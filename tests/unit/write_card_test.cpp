// The card writer's commands: writing User and Master cards, the form's
// buttons, the language menu.
#include "commands.h"
#include "poll.h"
#include "tandor_test_support.h"

namespace {
using strings = std::vector<std::string>;

class WriteCard : public CardWriter {
  protected:
    // A User card shown in the form, as after a tick.
    void user_form(const char* code, const char* expiry, const char* accesses) {
        reply_card();
        reply_block(k_user);
        poll_tick(s);
        fake::form()[TC_CODE].text = code;
        fake::form()[TC_EXPIRY].text = expiry;
        fake::form()[TC_ACCESSES].text = accesses;
        fake::dev().writes.clear();
        fake::dev().messages.clear();
    }
    void master_form(int personal, int free_mode, int delete_db, const char* datetime) {
        reply_card();
        reply_block(k_master);
        poll_tick(s);
        fake::form()[TC_PERSONAL].checked = personal;
        fake::form()[TC_FREE].checked = free_mode;
        fake::form()[TC_DELETE_DB].checked = delete_db;
        fake::form()[TC_DATETIME].text = datetime;
        fake::dev().writes.clear();
        fake::dev().messages.clear();
    }
};

TEST_F(WriteCard, UserCardPayloadIs56Characters) {
    user_form("", "05/03/2019 14", "15");
    reply_write("00");
    tandor_command(s, TC_WRITE);
    EXPECT_EQ(sent(), strings{"1A0A1B2C3D00FFFFFFFFFFFF0400000000FFFFFFFFA514050319A5000F"});
    EXPECT_EQ(s.written, 1);
    EXPECT_TRUE(fake::dev().messages.empty());
}

TEST_F(WriteCard, MasterCardPayloads) {
    master_form(1, 0, 0, "31/12/2018 23:59:30");
    reply_write("00");
    tandor_command(s, TC_WRITE);
    EXPECT_EQ(sent(), strings{"1A0A1B2C3D00FFFFFFFFFFFF04507007305923013112184D4153544552"});
    master_form(0, 0, 1, "ignored");
    reply_write("00");
    tandor_command(s, TC_WRITE);
    EXPECT_EQ(sent(), strings{"1A0A1B2C3D00FFFFFFFFFFFF0446A55AFFFFFFFFFFFFFF4D4153544552"});
}

TEST_F(WriteCard, RefusalsWriteNothing) {
    struct {
        const char* code;
        const char* expiry;
        const char* accesses;
        const char* message;
    } cases[] = {
        {"123", "", "", "Invalid card code: please enter 8 hexadecimal digits (0-9, A-F)"},
        {"", "1/02/2019 10", "", "Invalid date: please check the format dd/mm/yyyy hh"},
        {"", "01/01/2012 10", "", "Invalid date: please check the format dd/mm/yyyy hh"},
        {"", "", "65536", "Invalid number of accesses: please enter a number from 0 to 65535"},
        {"", "", "-1", "Invalid number of accesses: please enter a number from 0 to 65535"},
    };
    for (const auto& c : cases) {
        SetUp();
        user_form(c.code, c.expiry, c.accesses);
        tandor_command(s, TC_WRITE);
        EXPECT_TRUE(sent().empty()) << c.message;
        ASSERT_EQ(fake::dev().messages.size(), 1u);
        EXPECT_EQ(fake::dev().messages[0].caption, "Attention");
        EXPECT_EQ(fake::dev().messages[0].text, c.message);
        EXPECT_EQ(s.card_present, 0) << "cleared once the box is closed";
        EXPECT_EQ(s.written, 0);
        EXPECT_EQ(text(TC_CODE), c.code) << "the form keeps the typed texts";
    }
}

TEST_F(WriteCard, RefusedDatetime) {
    master_form(1, 0, 0, "31/12/2018 23:59:60");
    tandor_command(s, TC_WRITE);
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(fake::dev().messages.at(0).text,
              "Invalid date: please check the format dd/mm/yyyy hh:mm:ss");
}

TEST_F(WriteCard, WriteStatuses) {
    user_form("", "", "");
    reply_write("01");
    tandor_command(s, TC_WRITE);
    EXPECT_EQ(fake::dev().messages.at(0).text, "No card detected");
    EXPECT_EQ(s.written, 0);
    reply_write("05");
    tandor_command(s, TC_WRITE);
    EXPECT_EQ(fake::dev().messages.at(1).text, "Failed operation");
    EXPECT_EQ(s.written, 0);
    fake::script_read(reader_reply("1A", "", 0x15));
    tandor_command(s, TC_WRITE);
    EXPECT_EQ(fake::dev().messages.at(2).text, "General error of the device");
    EXPECT_EQ(fake::dev().messages.size(), 3u);
}

TEST_F(WriteCard, TheUserCardFlagAloneChoosesTheLayout) {
    master_form(1, 0, 0, "");
    s.user_card = 1;
    reply_write("00");
    tandor_command(s, TC_WRITE);
    EXPECT_EQ(sent().at(0).substr(26, 8), "00000000") << "User layout from the (hidden) fields";
}

TEST_F(WriteCard, ResetWritesABlankBlock) {
    user_form("", "", "");
    reply_write("00");
    tandor_command(s, TC_RESET);
    EXPECT_EQ(sent(), strings{"1A0A1B2C3D00FFFFFFFFFFFF0400000000000000000000000000000000"});
    EXPECT_EQ(s.user_card, 0);
    EXPECT_EQ(s.master_card, 0);
}

TEST_F(WriteCard, FormButtons) {
    master_form(0, 0, 0, "x");
    tandor_command(s, TC_PERSONAL);
    EXPECT_EQ(fake::form()[TC_PERSONAL].checked, 1);
    EXPECT_EQ(fake::form()[TC_FREE].checked, 0);
    tandor_command(s, TC_FREE);
    EXPECT_EQ(fake::form()[TC_PERSONAL].checked, 0);
    EXPECT_EQ(fake::form()[TC_FREE].checked, 1);
    fake::events().clear();
    tandor_command(s, TC_FREE);
    EXPECT_TRUE(fake::events().empty()) << "already selected: nothing";
    tandor_command(s, TC_DELETE_DB);
    EXPECT_EQ(fake::form()[TC_DELETE_DB].checked, 1);
    EXPECT_EQ(text(TC_DATETIME), "");
    EXPECT_FALSE(fake::form()[TC_DATETIME].enabled);
    tandor_command(s, TC_DELETE_DB);
    EXPECT_EQ(fake::form()[TC_DELETE_DB].checked, 0);
    EXPECT_TRUE(fake::form()[TC_DATETIME].enabled);

    fake::dev().local = {2021, 7, 4, 9, 5, 3};
    tandor_command(s, TC_DATETIME_NOW);
    EXPECT_EQ(text(TC_DATETIME), "04/07/2021 09:05:03");
    tandor_command(s, TC_EXPIRY_NOW);
    EXPECT_EQ(text(TC_EXPIRY), "04/07/2021 09");
    tandor_command(s, TC_UID);
    EXPECT_EQ(text(TC_CODE), "0A1B2C3D");
    tandor_command(s, TC_USER_CARD);
    EXPECT_EQ(s.user_card, 1);
    tandor_command(s, TC_MASTER_CARD);
    EXPECT_EQ(s.master_card, 1);
    fake::events().clear();
    tandor_command(s, 110);
    tandor_command(s, 3005);
    EXPECT_TRUE(fake::events().empty()) << "other ids do nothing";
}

TEST_F(WriteCard, ExpiryNowAlwaysPassesTheCheck) {
    user_form("", "", "");
    for (int hour : {0, 23}) {
        fake::dev().local = {2099, 12, 31, hour, 59, 59};
        tandor_command(s, TC_EXPIRY_NOW);
        reply_write("00");
        tandor_command(s, TC_WRITE);
        EXPECT_TRUE(fake::dev().messages.empty()) << hour;
    }
    EXPECT_EQ(sent().back().substr(42, 10), "A523311299");
}

TEST_F(WriteCard, LanguageMenu) {
    tandor_command(s, 3004);
    EXPECT_EQ(lang_get(), LANGUAGE_FRENCH);
    EXPECT_EQ(fake::events(), (strings{"menu 2004", "text 100 Ecrivez la carte", "repaint"}));
    tandor_command(s, 3001);
    EXPECT_EQ(text(TC_WRITE), "Scrivi carta");
    tandor_command(s, CMD_COM_PORT);
    EXPECT_EQ(fake::events().back(), "dialog " + std::to_string(IDD_COM_PORT_ITALIAN));
}
} // namespace
