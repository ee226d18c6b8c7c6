// tandor-classic.exe against a misbehaving reader.
#include "card_writer_ids.h"
#include "e2e_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using strings = std::vector<std::string>;

const char k_key[] = "Software\\Tandor";
const std::string k_data = "01234567890315121400000000000000";
const std::string k_counter = "0F000000F0FFFFFF0F00000001FE01FE";

class ClassicFaults : public ::testing::Test {
  protected:
    void SetUp() override {
        sim_command("fault none");
        sim_command("place 0A1B2C3D 4=" + k_data + " 5=" + k_counter);
        sim_command("clear-log");
        reg_delete_key(k_key);
        reg_write(k_key, "Port", ("COM" + std::to_string(sim_com())).c_str());
        reg_write(k_key, "Lang", "1");
        ASSERT_TRUE(app.start(program_path(), L"TandorClass"));
        ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    }
    void TearDown() override {
        sim_command("fault none");
        for (const box& b : open_boxes(app.pi.dwProcessId))
            answer_box(b);
        app.close();
    }
    HWND code() { return app.child(TC_CODE); }
    HWND accesses() { return app.child(TC_ACCESSES); }
    program app;
};

TEST_F(ClassicFaults, CardTakenAwayBetweenTheTwoBlocks) {
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

TEST_F(ClassicFaults, StuckStatusShowsOneBoxAndRecovers) {
    sim_command("fault status 05 on=18");
    box b = wait_box(app.pi.dwProcessId);
    EXPECT_EQ(b.text, "Failed operation");
    double end = clock_ms() + 3000;
    while (clock_ms() < end) {
        EXPECT_LE(open_boxes(app.pi.dwProcessId).size(), 1u);
        EXPECT_LT(longest_answer(app.main, 300), k_answer_bound_ms);
    }
    sim_command("fault none");
    answer_box(b);
    sim_command("clear-log");
    EXPECT_TRUE(wait_for([&] { return !sim_log_of("RX").empty(); }));
    EXPECT_TRUE(visible(code()));
}

TEST_F(ClassicFaults, SilentReaderDuringTheWriteStopsAtBlock4) {
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
