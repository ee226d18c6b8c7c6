// tandor-classic.exe driven through its window under Wine, against the
// simulated card reader (on a port above COM9, reached through the
// device-namespace name).
#include "card_writer_ids.h"
#include "e2e_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using strings = std::vector<std::string>;

const char k_key[] = "Software\\Tandor";
const char k_uid[] = "0A1B2C3D";
const std::string k_data = "01234567890315121400000000000000";
const std::string k_counter = "0F000000F0FFFFFF0F00000001FE01FE";

class Classic : public ::testing::Test {
  protected:
    void SetUp() override {
        sim_command("fault none");
        sim_command("remove");
        sim_command("clear-log");
        reg_delete_key(k_key);
    }
    void TearDown() override { app.close(); }

    void start(bool with_port = true, const char* lang = "1") {
        if (with_port)
            reg_write(k_key, "Port", ("COM" + std::to_string(sim_com())).c_str());
        reg_write(k_key, "Lang", lang);
        ASSERT_TRUE(app.start(program_path(), L"TandorClass"));
    }
    void place(const std::string& data = k_data, const std::string& counter = k_counter) {
        sim_command(std::string("place ") + k_uid + " 4=" + data + " 5=" + counter);
    }
    HWND code() { return app.child(TC_CODE); }
    HWND accesses() { return app.child(TC_ACCESSES); }
    HWND expiry() { return app.child(TC_EXPIRY); }
    void fill(const char* c, const char* a, const char* e) {
        type_into(code(), c);
        type_into(accesses(), a);
        type_into(expiry(), e);
    }
    program app;
};

TEST_F(Classic, CardReadOnceThenWrittenByteForByte) {
    place();
    start();
    ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    EXPECT_EQ(text_of(code()), "0123456789");
    EXPECT_EQ(text_of(accesses()), "15");
    EXPECT_EQ(text_of(expiry()), "14/12/2015");
    EXPECT_TRUE(visible(app.child(TC_WRITE)));
    ASSERT_TRUE(wait_for([&] { return overlay_painted(app.main); }));
    sim_command("clear-log");
    Sleep(1000);
    EXPECT_TRUE(frames_of("19").empty()) << "read once while it stays";
    EXPECT_GE(frames_of("18").size(), 2u);
    EXPECT_EQ(sim_command("line"), strings{"speed 19200 bits 8 parity none stop 1"});

    // The worked example, typed into the form.
    fill("0123456789", "15", "14/12/2015");
    app.click(app.child(TC_WRITE));
    ASSERT_TRUE(wait_for([&] { return frames_of("1A").size() == 2; }));
    EXPECT_EQ(frames_of("1A"),
              (strings{"0A1B2C3D00FFFFFFFFFFFF0401234567890315121400000000000000",
                       "0A1B2C3D00FFFFFFFFFFFF050f000000f0ffffff0f00000001fe01fe"}));
    // The next tick reads the card again: fields from the card, no button, red text once.
    ASSERT_TRUE(wait_for([&] { return !visible(app.child(TC_WRITE)); }));
    EXPECT_EQ(text_of(code()), "0123456789");
    ASSERT_TRUE(wait_for([&] { return red_pixels(app.main, 340, 306, 580, 380) > 30; }));
    shot(app.main, "classic-written-card", "a card written from the form: \"Written card\"");
    InvalidateRect(app.main, nullptr, TRUE);
    ASSERT_TRUE(wait_for([&] { return red_pixels(app.main, 340, 306, 580, 380) == 0; }));
}

TEST_F(Classic, EmptyAccessesAndExpiryAndTheRefusals) {
    place();
    start();
    ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    struct {
        const char* code;
        const char* accesses;
        const char* expiry;
        const char* message;
    } refused[] = {
        {"0123456789", "", "14/12/2012", "Invalid date: please check the format dd/mm/yyyy"},
        {"012345678", "", "", "Invalid card code: please enter 10 hexadecimal digits (0-9, A-F)"},
    };
    sim_command("clear-log");
    for (const auto& r : refused) {
        fill(r.code, r.accesses, r.expiry);
        std::size_t reads = frames_of("19").size();
        app.click(app.child(TC_WRITE));
        box b = expect_box(app);
        EXPECT_EQ(b.caption, "Attention");
        EXPECT_EQ(b.text, r.message);
        // The form keeps the typing to be corrected; the card is not read again.
        Sleep(900);
        EXPECT_EQ(frames_of("19").size(), reads) << r.message;
        EXPECT_EQ(text_of(code()), r.code) << r.message;
        EXPECT_EQ(text_of(accesses()), r.accesses) << r.message;
        EXPECT_EQ(text_of(expiry()), r.expiry) << r.message;
    }
    EXPECT_TRUE(frames_of("1A").empty());

    fill("0123456789", "", "");
    app.click(app.child(TC_WRITE));
    ASSERT_TRUE(wait_for([&] { return frames_of("1A").size() == 2; }));
    EXPECT_EQ(sim_command("block 4"), strings{"01234567890000000000000000000000"});
    EXPECT_EQ(sim_command("block 5"), strings{"00000000FFFFFFFF0000000001FE01FE"});
    ASSERT_TRUE(wait_for([&] { return !visible(app.child(TC_WRITE)); }));
    EXPECT_EQ(text_of(accesses()), "");
    EXPECT_EQ(text_of(expiry()), "");
}

TEST_F(Classic, UnreadableBlocksAndNoCard) {
    place();
    sim_command("unreadable 4");
    start();
    Sleep(1500);
    EXPECT_FALSE(visible(code())) << "block 4 unreadable: no fields";
    EXPECT_FALSE(overlay_painted(app.main));
    shot(app.main, "classic-invalid-card", "a card whose block 4 cannot be read");

    sim_command("remove");
    ASSERT_TRUE(wait_for([&] { return !frames_of("18").empty(); }));
    Sleep(500);
    place();
    sim_command("unreadable 5");
    ASSERT_TRUE(wait_for([&] { return visible(code()); })) << "block 5 unreadable: fields shown";
    EXPECT_EQ(text_of(code()), "0123456789");
    EXPECT_EQ(text_of(accesses()), "15") << "the field keeps its earlier text";
    Sleep(300);
    EXPECT_FALSE(overlay_painted(app.main)) << "but \"Invalid card\" is painted";

    sim_command("fault status 01 on=1A");
    sim_command("clear-log");
    app.click(app.child(TC_WRITE));
    EXPECT_EQ(expect_box(app).text, "No card detected");
    Sleep(1000);
    EXPECT_TRUE(open_boxes(app.pi.dwProcessId).empty()) << "block 5 is not sent after block 4";
    EXPECT_EQ(frames_of("1A").size(), 1u);
    EXPECT_TRUE(visible(app.child(TC_WRITE))) << "not marked written";
    sim_command("fault none");
}

TEST_F(Classic, CardTakenAwayBetweenTheTwoBlocks) {
    place();
    start();
    ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    type_into(accesses(), "99");
    // Block 4 is written; the card is gone when block 5 is.
    sim_command("fault status 01 on=1A skip=1");
    app.click(app.child(100));
    box b = wait_box(app.pi.dwProcessId);
    EXPECT_EQ(b.text, "No card detected") << "the user is told block 5 was not written";
    EXPECT_EQ(open_boxes(app.pi.dwProcessId).size(), 1u);
    sim_command("fault none");
    answer_box(b);
    EXPECT_EQ(sim_command("block 5"), strings{k_counter}) << "the counter as it was";
    EXPECT_EQ(sim_command("block 4"), strings{"01234567890315121400000000000000"})
        << "block 4 rewritten with the same flags";
    EXPECT_TRUE(wait_for([&] { return visible(app.child(100)); })) << "not marked written";
}

TEST_F(Classic, SilentReaderDuringTheWriteStopsAtBlock4) {
    place();
    start();
    ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    sim_command("fault silence on=1A");
    app.click(app.child(100));
    box first = wait_box(app.pi.dwProcessId);
    EXPECT_EQ(first.text, "General error of the device");
    answer_box(first);
    Sleep(3000);
    EXPECT_TRUE(open_boxes(app.pi.dwProcessId).empty()) << "block 5 is not sent after block 4";
    sim_command("fault none");
    EXPECT_EQ(frames_of("1A").size(), 1u) << "one frame, not repeated";
    EXPECT_TRUE(visible(app.child(100))) << "not marked written";
}
} // namespace
