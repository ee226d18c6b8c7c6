// The two settings: read at start-up, saved at exit, with the store's
// failures shown as their fixed messages.
#include "com_dialog.h"
#include "event_log.h"
#include "fake_device.h"
#include "fake_store.h"
#include "language.h"
#include "port.h"
#include "profile_classic.h"
#include "profile_tandor.h"
#include "profile_velmor.h"
#include "settings.h"

#include <gtest/gtest.h>

namespace {
using fake::dev;
using fake::store;
using strings = std::vector<std::string>;

class Settings : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::reset();
        fake::reset_store();
        profile_set(&k_tandor_profile);
        lang_set(LANGUAGE_ITALIAN);
        settings_set_port(0);
        set_port_open_flag(0);
    }
    void TearDown() override {
        profile_set(nullptr);
        lang_set(LANGUAGE_ITALIAN);
        settings_set_port(0);
        set_port_open_flag(0);
    }
    void stored(const char* port, const char* lang, const char* key = "Software\\Tandor") {
        if (port)
            store().keys[key]["Port"] = port;
        if (lang)
            store().keys[key]["Lang"] = lang;
    }
};

TEST_F(Settings, FirstRunOpensNoPortAndSavesCom0And0) {
    settings_load();
    EXPECT_EQ(settings_port(), 0);
    EXPECT_EQ(lang_get(), LANGUAGE_ITALIAN);
    EXPECT_TRUE(dev().opened.empty());
    settings_save();
    EXPECT_EQ(store().keys["Software\\Tandor"]["Port"], "COM0");
    EXPECT_EQ(store().keys["Software\\Tandor"]["Lang"], "0");
    EXPECT_TRUE(dev().messages.empty());
}

TEST_F(Settings, StoredPortIsOpenedByTheCardWriters) {
    stored("COM3", "1");
    settings_load();
    EXPECT_EQ(dev().opened, strings{"COM3"});
    EXPECT_EQ(port_open_flag(), 1);
    EXPECT_EQ(lang_get(), LANGUAGE_ENGLISH);
    EXPECT_EQ(fake::events_of("sleep"), (strings{"2000", "2000"}));
    settings_save();
    EXPECT_EQ(fake::events_of("close"), strings{""}) << "the port is closed at exit";
    EXPECT_EQ(port_open_flag(), 0);
    EXPECT_EQ(store().keys["Software\\Tandor"]["Port"], "COM3");
}

TEST_F(Settings, PortThatDoesNotOpenIsSilentAndKept) {
    stored("COM7", nullptr);
    dev().open_succeeds = false;
    settings_load();
    EXPECT_EQ(port_open_flag(), 0);
    EXPECT_EQ(settings_port(), 7);
    EXPECT_TRUE(dev().messages.empty());
    settings_save();
    EXPECT_EQ(store().keys["Software\\Tandor"]["Port"], "COM7");
}

TEST_F(Settings, VelmorReadsButDoesNotOpen) {
    profile_set(&k_velmor_profile);
    stored("COM12", "2", "Software\\Velmor");
    settings_load();
    EXPECT_EQ(settings_port(), 12);
    EXPECT_EQ(lang_get(), LANGUAGE_SPANISH);
    EXPECT_TRUE(dev().opened.empty());
    settings_save();
    EXPECT_EQ(store().keys["Software\\Velmor"]["Port"], "COM12") << "written back unchanged";
}

TEST_F(Settings, TheCardWritersShareTheirKey) {
    profile_set(&k_classic_profile);
    stored("COM14", "3");
    dev().open_succeeds = true;
    settings_load();
    EXPECT_EQ(dev().opened, strings{"\\\\.\\COM14"});
    EXPECT_EQ(lang_get(), LANGUAGE_FRENCH);
}

TEST_F(Settings, BadStoredValuesFallBack) {
    struct {
        const char* port;
        const char* lang;
        int want_port;
        int want_lang;
    } cases[] = {
        {"COM0", "0", 0, 0},    {"PORT3", "x", 0, 0},
        {"", "", 0, 0},         {"COM", "4", 0, 0},
        {"com3", "-1", 0, 0},   {"COM99999999999999999999", "99999999999999999999", 2147483647, 0},
        {"COM-2", " 3", -2, 3}, {"COM5x", "2abc", 5, 2},
    };
    for (const auto& c : cases) {
        SetUp();
        dev().open_succeeds = false;
        stored(c.port, c.lang);
        settings_load();
        EXPECT_EQ(settings_port(), c.want_port) << c.port;
        EXPECT_EQ(lang_get(), c.want_lang) << c.lang;
    }
}

TEST_F(Settings, UnwritableKeyShowsFiveBoxesInOrder) {
    store().open_fails = true;
    settings_save();
    EXPECT_EQ(fake::events_of("box"), (strings{
                                          "Failed to create Key|Error",
                                          "Failed to write key|Error",
                                          "Error|Error writing registry",
                                          "Failed to write key|Error",
                                          "Error|Error writing registry",
                                      }));
}

TEST_F(Settings, UnreadableKeyLeavesTheDefaults) {
    store().open_fails = true;
    settings_load();
    EXPECT_EQ(settings_port(), 0);
    EXPECT_EQ(fake::events_of("box"), strings{"Failed to create Key|Error"});
}

TEST_F(Settings, ValuesTooLongReadAsEmpty) {
    stored(("COM3" + std::string(300, ' ')).c_str(), std::string(300, '1').c_str());
    settings_load();
    EXPECT_EQ(settings_port(), 0);
    EXPECT_EQ(lang_get(), 0);
}

TEST_F(Settings, EmptyPathIsReported) {
    settings_open("");
    settings_close();
    EXPECT_EQ(fake::events_of("box").at(0), "Path-value is empty!|Errore");
}

class ComDialog : public Settings {};

TEST_F(ComDialog, ListAndSelection) {
    EXPECT_STREQ(com_dialog_entry(0), "COM1");
    EXPECT_STREQ(com_dialog_entry(31), "COM32");
    EXPECT_STREQ(com_dialog_entry(32), "");
    EXPECT_EQ(com_dialog_selection(), -1);
    settings_set_port(32);
    EXPECT_EQ(com_dialog_selection(), 31);
    settings_set_port(33);
    EXPECT_EQ(com_dialog_selection(), -1);
}

TEST_F(ComDialog, OkClosesTheOldPortAndOpensTheChosenOne) {
    settings_set_port(3);
    set_port_open_flag(1);
    dev().is_open = true;
    com_dialog_ok(4);
    EXPECT_EQ(fake::events(), (strings{"close", "sleep 2000", "open COM5", "sleep 2000"}));
    EXPECT_EQ(settings_port(), 5);
    EXPECT_EQ(port_open_flag(), 1);
    EXPECT_TRUE(dev().messages.empty());
}

TEST_F(ComDialog, OkWithoutAChoiceTriesPort0AndShowsTheError) {
    lang_set(LANGUAGE_ENGLISH);
    com_dialog_ok(-1);
    EXPECT_EQ(settings_port(), 0);
    EXPECT_EQ(port_open_flag(), 0);
    EXPECT_EQ(fake::events_of("box"), strings{"Error|Error opening the selected COM port!"});
}

TEST_F(ComDialog, FailedOpenKeepsTheNumberForTheNextStart) {
    lang_set(LANGUAGE_FRENCH);
    settings_set_port(2);
    set_port_open_flag(1);
    dev().is_open = true;
    dev().open_succeeds = false;
    com_dialog_ok(8);
    EXPECT_EQ(port_open_flag(), 0);
    EXPECT_EQ(settings_port(), 9);
    EXPECT_EQ(fake::events_of("box"),
              strings{"Erreur|Erreur à l'ouverture du port COM sélectionné!"});
}
} // namespace
