// velmor.exe against a misbehaving station.
#include "e2e_support.h"
#include "velmor_ids.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using strings = std::vector<std::string>;

const char k_key[] = "Software\\Velmor";

class VelmorFaults : public ::testing::Test {
  protected:
    void SetUp() override {
        sim_command("fault none");
        sim_command("plug");
        sim_command("set language=IT count=2C socket1=411SST3210 socket2=302SNN0606");
        sim_command("clear-log");
        reg_delete_key(k_key);
        reg_write(k_key, "Port", ("COM" + std::to_string(sim_com())).c_str());
        reg_write(k_key, "Lang", "1");
        ASSERT_TRUE(app.start(program_path(), L"VelmorClass"));
    }
    void TearDown() override {
        sim_command("fault none");
        for (const box& b : open_boxes(app.pi.dwProcessId))
            answer_box(b);
        app.close();
    }
    bool idle() {
        return enabled(app.child(100)) && enabled(app.child(400)) && enabled(app.child(200)) &&
               !visible(app.child(VC_PROGRESS));
    }
    // Answers the boxes of the operation just started until it has ended.
    strings boxes_until_idle() {
        strings texts;
        wait_for([&] { return !idle() || !open_boxes(app.pi.dwProcessId).empty(); }, 3000);
        wait_for(
            [&] {
                for (const box& b : open_boxes(app.pi.dwProcessId)) {
                    texts.push_back(b.text);
                    answer_box(b);
                }
                return idle() && open_boxes(app.pi.dwProcessId).empty();
            },
            20000);
        return texts;
    }
    HWND imax_1() { return app.child(VC_IMAX_1); }
    program app;
};

TEST_F(VelmorFaults, GarbledAnswers) {
    type_into(imax_1(), "20");
    sim_command("fault answer N N=zz");
    sim_command("fault answer P1 P1x411SSTAB10");
    app.click(app.child(400));
    // The second fault replaced the first: only the socket 1 answer is garbled.
    EXPECT_EQ(boxes_until_idle(), strings{"Debug: 54 41 42 31"});
    EXPECT_EQ(text_of(imax_1()), "20") << "unreadable currents leave the field";
    EXPECT_EQ(sim_log_of("RX").size(), 4u);
}

TEST_F(VelmorFaults, SilentStationEndsTheReadAtSocket1) {
    sim_command("fault silence");
    double t0 = clock_ms();
    app.click(app.child(400));
    strings boxes = boxes_until_idle();
    EXPECT_EQ(boxes.size(), 3u) << "language, count, socket 1";
    EXPECT_LT(clock_ms() - t0, 20000.0);
    EXPECT_EQ(sim_log_of("RX"), (strings{"4C 0D", "4E 0D", "50 31 0D"}));
}

TEST_F(VelmorFaults, StationUnpluggedDuringAWriteAndBack) {
    for (int imax : {VC_IMAX_1, VC_IMAX_2}) {
        type_into(app.child(imax), "16");
        type_into(app.child(imax + 1), "10"); // its I max M3-S field
    }
    app.click(app.child(100));
    ASSERT_TRUE(wait_for([&] { return !idle(); }));
    Sleep(600);
    sim_command("unplug");
    EXPECT_EQ(boxes_until_idle(), strings{"Communication error with the station"})
        << "a write the port did not take ends the Write and says so";
    EXPECT_TRUE(idle());
    sim_command("plug");
    sim_command("clear-log");
    app.click(app.child(400));
    EXPECT_TRUE(boxes_until_idle().empty()) << "the next operation opens the port anew";
    EXPECT_EQ(sim_log_of("RX").size(), 4u);
}
} // namespace
