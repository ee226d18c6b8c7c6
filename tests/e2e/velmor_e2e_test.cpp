// velmor.exe driven through its window under Wine, against the simulated
// charging station.
#include "e2e_support.h"
#include "velmor_ids.h"

namespace {
using strings = std::vector<std::string>;

class Velmor : public program_test {
  protected:
    Velmor() : program_test("Software\\Velmor", L"VelmorClass") {}
    void SetUp() override {
        program_test::SetUp();
        sim_command("set language=IT count=2C socket1=200SSN1610 socket2=200SSN1610");
    }

    LRESULT selection(int list) { return SendDlgItemMessageW(app.main, list, CB_GETCURSEL, 0, 0); }
    void choose(int list, int index) {
        SendDlgItemMessageW(app.main, list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
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
    bool idle() {
        return enabled(app.child(VC_WRITE)) && enabled(app.child(VC_READ)) &&
               enabled(app.child(VC_REBOOT)) && !visible(app.child(VC_PROGRESS));
    }

    // The Write example: 20/12/2013 16:17:54, French, one socket, Type 2,
    // no lock, no contactor, no meter, 16 and 10.
    void example_form() {
        type_into(app.child(VC_DATE), "20/12/2013");
        type_into(app.child(VC_TIME), "16:17:54");
        choose(VC_STATION_LANGUAGE, 3);
        SendDlgItemMessageW(app.main, VC_SOCKET2, BM_SETCHECK, BST_UNCHECKED, 0);
        app.command(VC_SOCKET2);
        choose(VC_TYPE_1, 1);
        type_into(app.child(VC_IMAX_1), "16");
        type_into(app.child(VC_IMAXS_1), "10");
    }
};

TEST_F(Velmor, FirstStartIsItalianWithNoPort) {
    start();
    EXPECT_EQ(text_of(app.child(VC_READ)), "Leggi");
    EXPECT_EQ(text_of(app.child(VC_WRITE)), "Scrivi");
    EXPECT_EQ(text_of(app.child(VC_REBOOT)), "Riavvia");
    EXPECT_EQ(selection(VC_COM_PORT), -1);
    // A click into the date field, then Tab after Tab through the form.
    auto focus = [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(app.pi.dwThreadId, &info);
        return info.hwndFocus;
    };
    PostMessageW(app.child(VC_DATE), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(app.child(VC_DATE), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    for (int id : {VC_DATE, VC_TIME, VC_STATION_LANGUAGE, VC_TYPE_1, VC_LOCK_1, VC_CONTACTOR_1,
                   VC_METER_1, VC_IMAX_1, VC_IMAXS_1, VC_SOCKET2, VC_TYPE_2}) {
        EXPECT_TRUE(wait_for([&] { return focus() == app.child(id); }, 5000)) << id;
        PostMessageW(focus(), WM_KEYDOWN, VK_TAB, 0);
    }
    app.command(VC_READ);
    box b = wait_box(app.pi.dwProcessId);
    answer_box(b);
    EXPECT_EQ(b.caption, "Errore");
    EXPECT_EQ(b.text, "Errore durante l'apertura della porta COM selezionata!");
    EXPECT_TRUE(wait_for([&] { return idle(); }));
    EXPECT_TRUE(sim_log_of("RX").empty());
    close_and_expect_first_start_settings();
}

TEST_F(Velmor, WriteExampleReachesTheStation) {
    start(true, "1");
    example_form();
    app.command(VC_WRITE);
    ASSERT_TRUE(wait_for([&] { return visible(app.child(VC_PROGRESS)); })) << "during the Write";
    EXPECT_FALSE(enabled(app.child(VC_READ)));
    ASSERT_TRUE(wait_for([&] { return idle(); }));
    EXPECT_EQ(sim_log_of("RX"),
              (strings{"44 13 12 20 0D", "4F 16 17 54 0D", "4C 46 52 0D", "4E 31 0D",
                       "50 31 32 30 30 53 53 4E 31 36 31 30 0D", "41 30 30 30 30 30 30 30 30 0D",
                       "4C 0D", "4E 0D", "50 31 0D", "50 32 0D"}))
        << "written, then asked back";
    EXPECT_TRUE(open_boxes(app.pi.dwProcessId).empty()) << "the station holds it";
}

// A Write the station did not take does not end like a good one.
TEST_F(Velmor, WriteTheStationDidNotTakeIsTold) {
    start(true, "1");
    example_form();
    sim_command("fault ignore-sets");
    app.command(VC_WRITE);
    EXPECT_EQ(boxes_until_idle(),
              strings{"The station does not hold what was written: station language, socket "
                      "count or mode"});
    EXPECT_EQ(sim_command("config")[0], "language IT") << "it took nothing";
    // Silent once the closing command came: nobody can tell what it holds.
    // The check stops at its first question and says so.
    sim_command("fault silent-after-closing");
    sim_command("clear-log");
    app.command(VC_WRITE);
    EXPECT_EQ(boxes_until_idle(), strings{"The station does not answer"});
    const strings rx = sim_log_of("RX");
    ASSERT_FALSE(rx.empty());
    EXPECT_EQ(rx.back(), "4C 0D") << "one question after the closing command";
    EXPECT_EQ(rx[rx.size() - 2], "41 30 30 30 30 30 30 30 30 0D");
}

// A station that acknowledges each command ("OK") holds the Write: the
// check reads only the answers to its own questions.
TEST_F(Velmor, AcknowledgedCommandsAreNoAnswers) {
    start(true, "1");
    example_form();
    sim_command("fault acknowledge-sets");
    app.command(VC_WRITE);
    EXPECT_EQ(boxes_until_idle(), strings{}) << "the station holds it";
    EXPECT_EQ(sim_command("config")[0], "language FR");
    EXPECT_EQ(sim_log_of("TX").size(), 10u) << "six OKs and four answers";
}

// A one-socket station that says nothing of socket 2 is read all the same;
// currents that are not digits are left empty for the technician to type.
TEST_F(Velmor, PartAnswersKeepWhatWasRead) {
    sim_command("set language=FR count=1 socket1=411SST3210");
    sim_command("fault silent-on P2");
    start(true, "1");
    app.command(VC_READ);
    EXPECT_EQ(boxes_until_idle(), strings{});
    EXPECT_EQ(text_of(app.child(VC_STATION_LANGUAGE)), "French");
    EXPECT_EQ(IsDlgButtonChecked(app.main, VC_SOCKET2), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(text_of(app.child(VC_IMAX_1)), "32");

    for (const char* garbled : {"P10411SST166X", "P10411SST1X06"}) {
        sim_command(std::string("fault answer P1 ") + garbled);
        app.command(VC_READ);
        EXPECT_EQ(boxes_until_idle().size(), 1u) << "the Debug box, " << garbled;
        EXPECT_EQ(text_of(app.child(VC_IMAX_1)), "") << garbled;
        EXPECT_EQ(text_of(app.child(VC_IMAXS_1)), "") << garbled;
    }
    sim_command("clear-log");
    app.command(VC_WRITE);
    EXPECT_EQ(boxes_until_idle(),
              strings{"Error on socket 1: I max M3. Please set a value between 6 and 63."});
    EXPECT_TRUE(sim_log_of("RX").empty()) << "nothing sent";
}

// Nothing is taken behind velmor's own box: a Read and a Reboot clicked
// while the communication error is shown are dropped, and the buttons come
// back only once the box is gone.
TEST_F(Velmor, NothingIsTakenBehindItsBox) {
    start(true, "1");
    example_form();
    sim_command("unplug on=L"); // the adapter pulled out during the Write
    app.command(VC_WRITE);
    box b = wait_box(app.pi.dwProcessId);
    EXPECT_EQ(b.text, "Communication error with the station");
    EXPECT_FALSE(enabled(app.child(VC_READ))) << "not while the box is open";
    EXPECT_FALSE(enabled(app.child(VC_WRITE)));
    sim_command("plug");
    sim_command("clear-log");
    app.command(VC_READ);
    app.command(VC_REBOOT);
    Sleep(1500); // what a Read behind the box would have sent by now
    EXPECT_TRUE(sim_log_of("RX").empty()) << "nothing sent behind the box";
    answer_box(b);
    EXPECT_EQ(boxes_until_idle(), strings{}) << "nothing queued behind it";
    EXPECT_TRUE(idle());
    EXPECT_TRUE(sim_log_of("RX").empty());
}

TEST_F(Velmor, ReadFillsTheFormAndThePortIsKept) {
    sim_command("set language=SP count=2A socket1=411SST3210 socket2=302SNN0606");
    start(true, "1");
    app.command(VC_READ);
    ASSERT_TRUE(wait_for([&] { return idle() && sim_log_of("RX").size() == 4; }));
    EXPECT_EQ(sim_command("line"), strings{"speed 9600 bits 8 parity none stop 1 flow none"});
    EXPECT_EQ(text_of(app.child(VC_STATION_LANGUAGE)), "Spanish");
    EXPECT_EQ(text_of(app.child(VC_MODE)), "Alternate");
    EXPECT_EQ(text_of(app.child(VC_TYPE_2)), "Type 3A");
    EXPECT_EQ(text_of(app.child(VC_IMAX_2)), "6");
    EXPECT_EQ(IsDlgButtonChecked(app.main, VC_SOCKET2), static_cast<UINT>(BST_CHECKED));

    ASSERT_TRUE(app.close());
    EXPECT_EQ(reg_read(key, "Port"), "COM" + std::to_string(sim_com()));

    start();
    EXPECT_EQ(selection(VC_COM_PORT), sim_com() - 1) << "the port restored";
    EXPECT_EQ(text_of(app.child(VC_READ)), "Read");
}

// The cable slipped out: a Read from a station that answers nothing ends at
// once and leaves the form as the last station filled it.
TEST_F(Velmor, SilentStationIsGivenUp) {
    sim_command("set language=FR count=2A socket1=411SST3210 socket2=302SNN0606");
    start(true, "1");
    app.command(VC_READ);
    EXPECT_TRUE(boxes_until_idle().empty());
    ASSERT_EQ(text_of(app.child(VC_TYPE_2)), "Type 3A");
    sim_command("fault silence");
    sim_command("clear-log");
    app.command(VC_READ);
    EXPECT_EQ(boxes_until_idle(), strings{"The station does not answer"});
    EXPECT_EQ(sim_log_of("RX"), strings{"4C 0D"}) << "given up at once";
    EXPECT_EQ(text_of(app.child(VC_STATION_LANGUAGE)), "French");
    EXPECT_EQ(text_of(app.child(VC_MODE)), "Alternate");
    EXPECT_EQ(IsDlgButtonChecked(app.main, VC_SOCKET2), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(text_of(app.child(VC_TYPE_2)), "Type 3A");
    sim_command("fault none");
    sim_command("clear-log");
    app.command(VC_READ);
    EXPECT_TRUE(boxes_until_idle().empty()) << "the next Read works";
    EXPECT_EQ(sim_log_of("RX").size(), 4u);
}
} // namespace
