// The two settings: read at start-up, saved at exit, with the store's failures
// shown as their fixed messages; and the card writers' COM port dialog.
#include "com_dialog.h"
#include "profile_velmor.h"
#include "tandor_test_support.h"

namespace {
using fake::dev;
using fake::store;
using strings = std::vector<std::string>;

class Settings : public CardWriter {
  protected:
    void SetUp() override {
        CardWriter::SetUp();
        dev().is_open = false;
        close_port();
        settings_set_port(0);
        lang_set(LANGUAGE_ITALIAN);
    }
    std::map<std::string, std::string>& key(const char* name = "Software\\Tandor") {
        return store().keys[name];
    }
};

TEST_F(Settings, LoadedAndSavedByEachProgram) {
    settings_load(link); // first run: nothing stored
    EXPECT_EQ(fake::events().back(), "store-close");
    EXPECT_EQ(settings_port(), 0);
    EXPECT_TRUE(fake::events_of("open").empty());
    settings_save(link);
    EXPECT_EQ(key(), (std::map<std::string, std::string>{{"Port", "COM0"}, {"Lang", "0"}}));
    EXPECT_TRUE(fake::events_of("close").empty()) << "no port to close";

    key() = {{"Port", "COM1"}, {"Lang", "1"}};
    settings_load(link);
    EXPECT_EQ(fake::events_of("open"), strings{"\\\\.\\COM1"})
        << "the card writers open the stored port";
    EXPECT_TRUE(link_is_open(link));
    EXPECT_EQ(lang_get(), LANGUAGE_ENGLISH);
    settings_save(link);
    EXPECT_EQ(fake::events_of("close"), strings{""}) << "the port is closed at exit";
    EXPECT_FALSE(link_is_open(link));

    EXPECT_EQ(fake::events().back(), "store-close");
    key() = {{"Port", "COM7"}};
    dev().open_succeeds = false;
    settings_load(link);
    EXPECT_FALSE(link_is_open(link));
    EXPECT_TRUE(fake::events_of("box").empty()) << "a port that does not open is silent";
    settings_save(link);
    EXPECT_EQ(key()["Port"], "COM7") << "and kept";

    profile_set(&k_velmor_profile);
    const std::size_t opened = fake::events_of("open").size();
    key("Software\\Velmor") = {{"Port", "COM12"}, {"Lang", "2"}};
    settings_load(link);
    EXPECT_EQ(settings_port(), 12);
    EXPECT_EQ(lang_get(), LANGUAGE_SPANISH);
    EXPECT_EQ(fake::events_of("open").size(), opened) << "velmor opens nothing at start";
}

TEST_F(Settings, BadStoredValuesFallBack) {
    struct {
        std::string port, lang;
        int want_port, want_lang;
    } cases[] = {
        {"PORT3", "x", 0, 0},
        {"", "", 0, 0},
        {"COM", "4", 0, 0},
        {"com3", "-1", 0, 0},
        {"COM99999999999999999999", "99999999999999999999", 2147483647, 0},
        {"COM-2", " 3", -2, 3},
        {"COM5x", "2abc", 5, 2},
        {"COM3" + std::string(300, ' '), std::string(300, '1'), 0, 0}, // too long: empty
    };
    dev().open_succeeds = false;
    for (const auto& c : cases) {
        settings_set_port(0);
        key() = {{"Port", c.port}, {"Lang", c.lang}};
        settings_load(link);
        EXPECT_EQ(settings_port(), c.want_port) << c.port;
        EXPECT_EQ(lang_get(), c.want_lang) << c.lang;
    }
}

TEST_F(Settings, StoreFailuresShowTheirBoxesInOrder) {
    store().open_fails = true;
    settings_load(link);
    EXPECT_EQ(settings_port(), 0);
    settings_save(link);
    EXPECT_EQ(fake::events_of("box"), (strings{
                                          "Failed to create Key|Error",
                                          "Failed to create Key|Error",
                                          "Failed to write key|Error",
                                          "Error|Error writing registry",
                                          "Failed to write key|Error",
                                          "Error|Error writing registry",
                                      }));
    EXPECT_EQ(told(), std::vector<result>(6, result::not_stored));
    settings_open(link, "");
    EXPECT_EQ(fake::events_of("box").at(6), "Path-value is empty!|Errore");
}

TEST_F(Settings, ComPortDialog) {
    EXPECT_EQ(com_dialog_entry(0), "COM1");
    EXPECT_EQ(com_dialog_entry(31), "COM32");
    EXPECT_EQ(com_dialog_entry(32), "");
    settings_set_port(33);
    EXPECT_EQ(com_dialog_selection(), -1) << "no entry for COM33";
    EXPECT_EQ(com_dialog_start_text(), "COM33") << "shown in the box instead";
    settings_set_port(32);
    EXPECT_EQ(com_dialog_selection(), 31);
    EXPECT_EQ(com_dialog_start_text(), "");
    settings_set_port(1);
    EXPECT_EQ(com_dialog_selection(), 0);
    // OK closes the port in use and opens the chosen one.
    fake::open(link);
    dev().is_open = true;
    fake::events().clear();
    com_dialog_ok(link, 4, "COM5");
    EXPECT_EQ(fake::events(), (strings{"close", "sleep 2000", "open \\\\.\\COM5", "sleep 2000"}));
    EXPECT_EQ(settings_port(), 5);
    EXPECT_TRUE(link_is_open(link));
    // With no entry chosen, a typed port is taken.
    fake::events().clear();
    com_dialog_ok(link, -1, "com14");
    EXPECT_EQ(fake::events(), (strings{"close", "sleep 2000", "open \\\\.\\COM14", "sleep 2000"}));
    EXPECT_EQ(settings_port(), 14);
    EXPECT_TRUE(link_is_open(link));
    // The box typed over with another port than the entry chosen: the text
    // wins; a blank box leaves it to the entry.
    fake::events().clear();
    com_dialog_ok(link, 13, "15");
    EXPECT_EQ(fake::events(), (strings{"close", "sleep 2000", "open \\\\.\\COM15", "sleep 2000"}));
    EXPECT_EQ(settings_port(), 15);
    fake::events().clear();
    com_dialog_ok(link, 13, " ");
    EXPECT_EQ(fake::events(), (strings{"close", "sleep 2000", "open \\\\.\\COM14", "sleep 2000"}));
    EXPECT_EQ(settings_port(), 14);
    // Neither: the working port stays open and stored; a text that names no
    // port is told and changes nothing, also over a chosen entry.
    fake::events().clear();
    com_dialog_ok(link, -1, " ");
    EXPECT_TRUE(fake::events().empty());
    lang_set(LANGUAGE_FRENCH);
    const std::string refused = "box Erreur|Erreur à l'ouverture du port COM sélectionné!";
    for (const char* text : {"COM0", "COM256", "abc", "14a", "COM"}) {
        for (int selected : {-1, 4}) {
            fake::events().clear();
            com_dialog_ok(link, selected, text);
            EXPECT_EQ(fake::events(), strings{refused}) << text << " over entry " << selected;
            EXPECT_EQ(settings_port(), 14);
            EXPECT_TRUE(link_is_open(link));
        }
    }
    // A port that fails: the error, the number kept; then OK with nothing
    // chosen and no port open: the error again, the number not lost.
    dev().open_succeeds = false;
    boxes.told.clear();
    com_dialog_ok(link, 8, "");
    EXPECT_EQ(told(), std::vector<result>{result::no_port});
    EXPECT_FALSE(link_is_open(link));
    EXPECT_EQ(settings_port(), 9);
    fake::events().clear();
    com_dialog_ok(link, -1, "");
    EXPECT_EQ(fake::events(), strings{refused});
    settings_save(link);
    EXPECT_EQ(key()["Port"], "COM9");
}

TEST(ComPortText, TypedPortsAreWholeNumbersFrom1To255) {
    struct {
        const char* text;
        int port; // 0: refused
    } cases[] = {
        {"COM14", 14}, {"com14", 14}, {"14", 14},  {" Com7 ", 7}, {"COM255", 255},
        {"1", 1},      {"COM0", 0},   {"256", 0},  {"", 0},       {"COM", 0},
        {"COM-3", 0},  {"1 4", 0},    {"14a", 0},  {"COMX", 0},   {"0014", 14},
        {"00014", 0},  {"COM1.5", 0}, {"CXM7", 0}, {"COX7", 0},
    };
    for (const auto& c : cases) {
        int port = -1;
        EXPECT_EQ(com_typed_port(c.text, &port), c.port != 0) << c.text;
        if (c.port != 0) {
            EXPECT_EQ(port, c.port) << c.text;
        }
    }
}
} // namespace
