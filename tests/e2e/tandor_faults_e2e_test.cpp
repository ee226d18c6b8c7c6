// tandor.exe against a misbehaving reader: what the user sees, that the
// window keeps answering, and that nothing is written that was not asked for.
#include "card_writer_ids.h"
#include "e2e_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {
using strings = std::vector<std::string>;

const char k_key[] = "Software\\Tandor";
const std::string k_user_block = "0A1B2C3DFFFFFFFFA514050319A5000F";
enum { WRITE = TC_WRITE };

class TandorFaults : public ::testing::Test {
  protected:
    void SetUp() override {
        sim_command("fault none");
        sim_command("place 0A1B2C3D 4=" + k_user_block);
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

    // Under a fault: at most one box at a time, and the window answering
    // within the bound. Returns the texts of the boxes seen.
    strings endure(int ms) {
        strings texts;
        double end = clock_ms() + ms;
        while (clock_ms() < end) {
            std::vector<box> boxes = open_boxes(app.pi.dwProcessId);
            EXPECT_LE(boxes.size(), 1u) << "boxes pile up";
            for (const box& b : boxes)
                if (texts.empty() || texts.back() != b.text)
                    texts.push_back(b.text);
            double answer = longest_answer(app.main, 300);
            EXPECT_LT(answer, k_answer_bound_ms) << "the window stopped answering";
            worst = std::max(worst, answer);
        }
        return texts;
    }
    // Clears the fault, closes the box and checks that polling goes on and
    // the card and form are as before.
    void recover() {
        sim_command("fault none");
        for (const box& b : open_boxes(app.pi.dwProcessId))
            answer_box(b);
        sim_command("clear-log");
        ASSERT_TRUE(wait_for([&] { return !sim_log_of("RX").empty(); })) << "polling resumes";
        EXPECT_TRUE(visible(code()));
        EXPECT_EQ(sim_command("block 4"), strings{k_user_block}) << "nothing was written";
        std::printf("[ figure   ] longest answer of the window: %.0f ms\n", worst);
    }
    program app;
    double worst = 0;
};

TEST_F(TandorFaults, ReplyTrickledJustUnderTheGapIsRead) {
    type_into(accesses(), "42");
    sim_command("fault trickle 40 on=18");
    strings boxes = endure(3000);
    EXPECT_TRUE(boxes.empty()) << "a reply whose bytes come 40 ms apart is one read";
    EXPECT_EQ(text_of(accesses()), "42") << "the form holds";
    recover();
}

TEST_F(TandorFaults, ReplyTrickledJustOverTheGapIsADeviceError) {
    sim_command("fault trickle 60 on=18");
    strings boxes = endure(6000);
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.front(), "General error of the device");
    recover();
}

TEST_F(TandorFaults, NakStormShowsOneBox) {
    sim_command("fault nak");
    strings boxes = endure(4000);
    EXPECT_EQ(boxes, strings{"General error of the device"});
    recover();
}

TEST_F(TandorFaults, StatusStuckForAMinuteShowsOneBoxAtATime) {
    sim_command("fault status 02 on=18");
    strings boxes = endure(60000);
    EXPECT_EQ(boxes, strings{"Failed operation"});
    sim_command("clear-log");
    recover();
}

TEST_F(TandorFaults, ShortRepliesAndSilence) {
    for (const char* fault : {"fault cut 3", "fault cut 4", "fault silence"}) {
        sim_command(fault);
        strings boxes = endure(4000);
        EXPECT_EQ(boxes, strings{"General error of the device"}) << fault;
        recover();
    }
}

TEST_F(TandorFaults, GarbageAndUnknownStatusAreFailedOperations) {
    // Five bytes or more that are not a reply: the status cannot be read.
    sim_command("fault garbage 7F 7F 7F 7F 7F 7F 7F 7F on=18");
    EXPECT_EQ(endure(3000), strings{"Failed operation"});
    recover();
    sim_command("fault status 7F on=18");
    EXPECT_EQ(endure(3000), strings{"Failed operation"});
    recover();
}

TEST_F(TandorFaults, ReaderSilentDuringAWrite) {
    type_into(accesses(), "99");
    sim_command("fault silence on=1A");
    app.click(app.child(WRITE));
    strings boxes = endure(4000);
    EXPECT_EQ(boxes, strings{"General error of the device"});
    EXPECT_TRUE(visible(app.child(WRITE))) << "not written: the button stays";
    sim_command("fault none");
    for (const box& b : open_boxes(app.pi.dwProcessId))
        answer_box(b);
    // What the silent reader did with the frame is its own business: the
    // simulated one wrote the block and kept quiet.
    EXPECT_EQ(text_of(accesses()), "99");
}

TEST_F(TandorFaults, ReaderUnpluggedAndBack) {
    sim_command("unplug");
    strings boxes = endure(4000);
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.front(), "Error writing") << "the frame cannot be written any more";
    sim_command("plug");
    // The old handle is dead; choosing the port again in the dialog reopens it.
    // Until then every tick that runs ends in a box, one at a time.
    box dialog;
    app.command(CMD_COM_PORT);
    ASSERT_TRUE(wait_for(
        [&] {
            for (const box& b : open_boxes(app.pi.dwProcessId)) {
                if (b.caption == "COM port set up") {
                    dialog = b;
                    return true;
                }
                EXPECT_TRUE(b.text == "Error writing" || b.text == "General error of the device")
                    << b.text;
                answer_box(b);
            }
            return false;
        },
        20000));
    answer_box(dialog, IDOK); // the port chosen is still selected
    wait_for(
        [&] {
            for (const box& b : open_boxes(app.pi.dwProcessId))
                answer_box(b);
            return false;
        },
        6000);
    sim_command("clear-log");
    ASSERT_TRUE(wait_for([&] { return !sim_log_of("RX").empty(); })) << "polling resumes";
    EXPECT_TRUE(open_boxes(app.pi.dwProcessId).empty());
}
} // namespace
