// tandor.exe driven through its window under Wine, against the simulated
// card reader: what the user sees, what reaches the reader, what is stored.
#include "card_writer_ids.h"
#include "e2e_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using strings = std::vector<std::string>;

const char k_key[] = "Software\\Tandor";
const char k_uid[] = "0A1B2C3D";
const std::string k_user_block = "0A1B2C3DFFFFFFFFA514050319A5000F";
const std::string k_master_block = "507007305923013112184D4153544552";

class Tandor : public ::testing::Test {
  protected:
    void SetUp() override {
        sim_command("fault none");
        sim_command("remove");
        sim_command("clear-log");
        reg_delete_key(k_key);
    }
    void TearDown() override { app.close(); }

    // Starts tandor with the simulator's port (or none) and a language.
    void start(bool with_port, const char* lang = "1") {
        if (with_port)
            reg_write(k_key, "Port", ("COM" + std::to_string(sim_com())).c_str());
        reg_write(k_key, "Lang", lang);
        ASSERT_TRUE(app.start(program_path(), L"TandorClass"));
    }
    void place(const std::string& block4) {
        sim_command(std::string("place ") + k_uid + " 4=" + block4);
    }

    HWND code() { return app.child(TC_CODE); }
    HWND accesses() { return app.child(TC_ACCESSES); }
    HWND expiry() { return app.child(TC_EXPIRY); }
    HWND datetime() { return app.child(TC_DATETIME); }

    program app;
};

TEST(TandorResources, MenusOfTheFourLanguages) {
    EXPECT_EQ(menu_resource_texts(program_path(), IDM_MENU_ITALIAN),
              (strings{"Opzioni", "Lingua", "Italiano", "Inglese", "Spagnolo", "Francese",
                       "Porta COM..."}));
    EXPECT_EQ(menu_resource_texts(program_path(), IDM_MENU_ENGLISH),
              (strings{"Options", "Language...", "Italian", "English", "Spanish", "French",
                       "Set COM port..."}));
    EXPECT_EQ(menu_resource_texts(program_path(), IDM_MENU_SPANISH),
              (strings{"Opciones", "Idioma...", "Italiano", "Inglés", "Español", "Francés",
                       "Puerto COM..."}));
    EXPECT_EQ(menu_resource_texts(program_path(), IDM_MENU_FRENCH),
              (strings{"Options", "Langue...", "Italien", "Anglais", "Espagnol", "Français",
                       "Port COM..."}));
}

TEST_F(Tandor, BlankCardBecomesAWrittenUserCard) {
    place(std::string(32, '0'));
    debug_output_listener viewer;
    start(true);
    ASSERT_TRUE(wait_for([&] { return visible(app.child(TC_USER_CARD)); }));
    EXPECT_TRUE(enabled(app.child(TC_USER_CARD)));
    EXPECT_TRUE(visible(app.child(TC_MASTER_CARD)));
    EXPECT_FALSE(enabled(app.child(TC_MASTER_CARD)));
    EXPECT_FALSE(visible(app.child(TC_WRITE)));
    EXPECT_FALSE(overlay_painted(app.main)) << "\"Select type card\" is a prompt";
    shot(app.main, "tandor-blank-card", "a blank card: choose USER CARD or MASTER CARD");

    app.click(app.child(TC_USER_CARD));
    ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    EXPECT_EQ(text_of(code()), "");
    EXPECT_EQ(text_of(accesses()), "");
    EXPECT_EQ(text_of(expiry()), "");
    EXPECT_TRUE(visible(app.child(TC_WRITE)));
    EXPECT_EQ(text_of(app.child(TC_WRITE)), "Write card");
    ASSERT_TRUE(wait_for([&] { return overlay_painted(app.main); }));

    type_into(code(), "c0ffee42");
    type_into(expiry(), "28/02/2031 24");
    type_into(accesses(), "1234");
    sim_command("clear-log");
    app.click(app.child(TC_WRITE));
    const std::string payload = "0A1B2C3D00FFFFFFFFFFFF04C0FFEE42FFFFFFFFA524280231A504D2";
    ASSERT_TRUE(wait_for([&] { return !frames_of("1A").empty(); }));
    EXPECT_EQ(frames_of("1A"), strings{payload});
    Sleep(500);
    // The trace of the write is the simulator's log, byte for byte.
    const std::vector<std::string> trace = viewer.lines_of(app.pi.dwProcessId);
    ASSERT_FALSE(trace.empty()) << "no trace";
    EXPECT_EQ(trace.front().rfind("tandor ", 0), 0u) << trace.front();
    expect_trace_matches_sim_log(trace);

    EXPECT_EQ(payload.size(), 56u);
    EXPECT_EQ(sim_command("block 4"), strings{payload.substr(24)});

    // The next tick reads the card again, hides the button, and the painting
    // shows "Written card" once.
    ASSERT_TRUE(wait_for([&] { return !visible(app.child(TC_WRITE)); }));
    ASSERT_TRUE(wait_for([&] { return red_pixels(app.main, 340, 306, 580, 380) > 30; }));
    EXPECT_EQ(text_of(code()), "C0FFEE42");
    shot(app.main, "tandor-written-card", "the blank card written as a User card");
    InvalidateRect(app.main, nullptr, TRUE);
    ASSERT_TRUE(wait_for([&] { return red_pixels(app.main, 340, 306, 580, 380) == 0; }));
    EXPECT_TRUE(overlay_painted(app.main));
    EXPECT_TRUE(open_boxes(app.pi.dwProcessId).empty());
}

TEST_F(Tandor, CardsAreDecodedIntoTheFormWhichHoldsWhileTheCardStays) {
    place(k_user_block);
    start(true);
    ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    EXPECT_EQ(text_of(code()), "0A1B2C3D");
    EXPECT_EQ(text_of(expiry()), "05/03/2019 14");
    EXPECT_EQ(text_of(accesses()), "15");
    EXPECT_TRUE(visible(app.child(TC_UID)));
    shot(app.main, "tandor-user-card", "a User card read into the form");

    type_into(accesses(), "77");
    sim_command("clear-log");
    ASSERT_TRUE(wait_for([&] { return frames_of("19").size() >= 3; }));
    EXPECT_EQ(text_of(accesses()), "77") << "the form holds while the card stays";

    sim_command("remove");
    ASSERT_TRUE(wait_for([&] { return !visible(code()); }));
    EXPECT_FALSE(visible(app.child(TC_WRITE)));
    EXPECT_FALSE(visible(app.child(TC_UID)));
    ASSERT_TRUE(wait_for([&] { return !overlay_painted(app.main); }));

    place(k_master_block);
    ASSERT_TRUE(wait_for([&] { return visible(datetime()); }));
    EXPECT_EQ(checked(app.child(TC_PERSONAL)), 1);
    EXPECT_EQ(checked(app.child(TC_FREE)), 0);
    EXPECT_EQ(checked(app.child(TC_DELETE_DB)), 0);
    EXPECT_EQ(text_of(datetime()), "31/12/2018 23:59:30");
    EXPECT_FALSE(visible(code()));
    shot(app.main, "tandor-master-card", "a Master card read into the form");

    sim_command("remove");
    ASSERT_TRUE(wait_for([&] { return !visible(datetime()); }));
    place("0000000000000000000000000000000F"); // expiry marker 00: no layout
    Sleep(1000);
    for (int id : {TC_WRITE, TC_USER_CARD, TC_MASTER_CARD, TC_UID, TC_PERSONAL})
        EXPECT_FALSE(visible(app.child(id))) << id;
    EXPECT_FALSE(visible(code()));
    EXPECT_FALSE(overlay_painted(app.main)) << "\"Invalid card\" is a prompt";
    shot(app.main, "tandor-invalid-card", "an invalid card");
}

// The card lifted while a refusal box is open: when the box closes the form
// goes, nothing can be written; a card lifted right after a write takes
// "Written card" with it, and the next card laid can be written.
TEST_F(Tandor, CardLiftedDuringABoxOrRightAfterAWrite) {
    place(k_user_block);
    start(true);
    ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    type_into(code(), "123");
    app.click(app.child(TC_WRITE));
    box b = wait_box(app.pi.dwProcessId);
    ASSERT_NE(b.hwnd, nullptr);
    EXPECT_EQ(b.caption, "Attention");
    EXPECT_EQ(b.text, "Invalid card code: please enter 8 hexadecimal digits (0-9, A-F)");
    sim_command("remove");
    Sleep(1000); // ticks held off while the box is open
    sim_command("clear-log");
    answer_box(b);
    ASSERT_TRUE(wait_for([&] { return !visible(code()); }));
    EXPECT_FALSE(visible(app.child(TC_WRITE)));
    EXPECT_FALSE(overlay_painted(app.main));
    app.click(app.child(TC_WRITE)); // a click that still reaches the hidden button
    Sleep(1000);
    EXPECT_TRUE(frames_of("1A").empty()) << "nothing written, Master least of all";
    EXPECT_TRUE(open_boxes(app.pi.dwProcessId).empty());

    place(k_user_block);
    ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    type_into(code(), "");
    sim_command("clear-log");
    sim_command("fault trickle 30 on=1A"); // the write's reply comes slowly
    app.click(app.child(TC_WRITE));
    ASSERT_TRUE(wait_for([&] { return !frames_of("1A").empty(); }));
    sim_command("remove"); // lifted before the tick that reads it again
    ASSERT_TRUE(wait_for([&] { return !visible(code()); }));
    sim_command("fault none");
    place(k_user_block);
    ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    EXPECT_TRUE(visible(app.child(TC_WRITE))) << "the next card can be written";
    Sleep(500);
    EXPECT_EQ(red_pixels(app.main, 340, 306, 580, 380), 0) << "no \"Written card\"";
}

TEST_F(Tandor, FailedWritesAreToldAndLeaveTheButton) {
    place(k_user_block);
    start(true);
    ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    const char* faults[][2] = {{"fault status 01 on=1A", "No card detected"},
                               {"fault status 05 on=1A", "Failed operation"},
                               {"fault silence on=1A", "General error of the device"}};
    for (auto f : faults) {
        sim_command(f[0]);
        app.click(app.child(TC_WRITE));
        EXPECT_EQ(expect_box(app).text, f[1]);
        EXPECT_TRUE(visible(app.child(TC_WRITE))) << f[0] << ": not written, the button stays";
    }
    sim_command("fault none");
    Sleep(500);
    EXPECT_TRUE(open_boxes(app.pi.dwProcessId).empty());
}

} // namespace
