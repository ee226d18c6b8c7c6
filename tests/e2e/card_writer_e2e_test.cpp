// The card writers driven through their windows under Wine against the
// simulated reader on a USB adapter's kind of port (COM14); built once for
// each program (VM_CLASSIC for tandor-classic).
// First what both share: the first start and the settings, the COM port
// dialog, the languages, the line, a reader that misbehaves or is unplugged.
// Then each program's main road.
#include "card_writer_ids.h"
#include "e2e_support.h"
#include "program_info.h"

#include <algorithm>

namespace {
using strings = std::vector<std::string>;

#ifdef VM_CLASSIC
const wchar_t k_title[] = CLASSIC_TITLE;
const char k_counter[] = "0F000000F0FFFFFF0F00000001FE01FE";
const char k_block4[] = "01234567890315121400000000000000";
const std::string k_card = std::string("place 0A1B2C3D 4=") + k_block4 + " 5=" + k_counter;
const std::string k_other_card =
    std::string("place 99887766 4=98765432100315121400000000000000 5=") + k_counter;
const char k_other_code[] = "9876543210";
const char k_readbacks[] = " x2";
#else
const wchar_t k_title[] = TANDOR_TITLE;
const char k_block4[] = "0A1B2C3DFFFFFFFFA514050319A5000F";
const std::string k_card = std::string("place 0A1B2C3D 4=") + k_block4;
const std::string k_other_card = "place 99887766 4=11223344FFFFFFFFA514050319A5000F";
const char k_other_code[] = "11223344";
const char k_readbacks[] = " x1";
#endif

class CardWriter : public program_test {
  protected:
    CardWriter() : program_test("Software\\Tandor", L"TandorClass") {}
    void SetUp() override {
        program_test::SetUp();
        sim_command(k_card);
    }
    HWND code() { return app.child(TC_CODE); }
    // After a write the next tick reads the card again: the button goes and
    // "Written card" is painted once, gone with the next painting.
    void expect_written_card_once() {
        auto written = [&] { return red_pixels(app.main, 340, 306, 580, 380) > 30; };
        ASSERT_TRUE(wait_for([&] { return !visible(app.child(TC_WRITE)); }));
        ASSERT_TRUE(wait_for(written));
        InvalidateRect(app.main, nullptr, TRUE);
        EXPECT_TRUE(wait_for([&] { return !written(); }));
    }

    // Waits for n more ticks that reached the reader (a detect frame each).
    void ticks(std::size_t n) {
        const std::size_t seen = frames_of("18").size();
        ASSERT_TRUE(wait_for([&] { return frames_of("18").size() >= seen + n; }))
            << n << " ticks wanted";
    }

    // The texts of the boxes seen over `ms`, each box once; at most one open
    // at a time. With `answer`, each is answered as it comes.
    strings boxes_over(int ms, bool answer) {
        std::vector<HWND> seen;
        strings texts;
        for (const DWORD end = GetTickCount() + ms; GetTickCount() < end; Sleep(100)) {
            std::vector<box> boxes = open_boxes(app.pi.dwProcessId);
            EXPECT_LE(boxes.size(), 1u) << "boxes pile up";
            for (const box& b : boxes) {
                if (std::find(seen.begin(), seen.end(), b.hwnd) == seen.end()) {
                    seen.push_back(b.hwnd);
                    texts.push_back(b.text);
                }
                if (answer)
                    answer_box(b);
            }
        }
        return texts;
    }
};

TEST_F(CardWriter, FirstStartIsSilentAndItalianAndStoresItsSettings) {
    start();
    wchar_t title[64];
    GetWindowTextW(app.main, title, 64);
    EXPECT_STREQ(title, k_title);
    EXPECT_EQ(text_of(app.child(TC_WRITE)), "Scrivi carta");
    Sleep(1200); // three ticks: none may talk to the reader
    EXPECT_TRUE(sim_log_of("RX").empty());
    close_and_expect_first_start_settings();

    reg_write(key, "Port", DWORD{5}); // not text: no port, no box
    start();
    Sleep(800);
    EXPECT_TRUE(open_boxes(app.pi.dwProcessId).empty());
    EXPECT_TRUE(sim_log_of("RX").empty()) << "no port opened";
}

TEST_F(CardWriter, ComPortDialogLineAndLanguagesAreKept) {
    start(false, "0");
    app.command(CMD_COM_PORT);
    box dialog = wait_box(app.pi.dwProcessId);
    ASSERT_NE(dialog.hwnd, nullptr);
    EXPECT_EQ(dialog.caption, "Configurazione porta COM");
    HWND list = GetDlgItem(dialog.hwnd, IDC_COM_PORT_LIST);
    EXPECT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 32);
    EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_EQ(text_of(GetDlgItem(dialog.hwnd, IDCANCEL)), "Annulla");
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(sim_com() - 1), 0);
    answer_box(dialog, IDCANCEL);
    Sleep(800);
    EXPECT_TRUE(sim_log_of("RX").empty()) << "Cancel changes nothing";

    app.command(CMD_COM_PORT);
    dialog = wait_box(app.pi.dwProcessId);
    SendMessageW(GetDlgItem(dialog.hwnd, IDC_COM_PORT_LIST), CB_SETCURSEL,
                 static_cast<WPARAM>(sim_com() - 1), 0);
    answer_box(dialog, IDOK);
    ASSERT_TRUE(wait_for([&] { return !sim_log_of("RX").empty(); })) << "polling starts";
    EXPECT_EQ(sim_command("line"), strings{"speed 19200 bits 8 parity none stop 1 flow none"})
        << "the flow control the line was left with is switched off";

    // The port is the program's alone: a second instance cannot open it.
    program second;
    ASSERT_TRUE(second.start(program_path(), cls));
    ASSERT_TRUE(app.close());
    sim_command("clear-log");
    Sleep(1500);
    EXPECT_TRUE(sim_log_of("RX").empty()) << "the second instance never had the port";
    ASSERT_TRUE(second.close());

    start(true, "0"); // the stored port is opened at the start
    ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    app.command(CMD_FRENCH);
    ASSERT_TRUE(wait_for([&] { return text_of(app.child(TC_WRITE)) == "Ecrivez la carte"; }));
    ASSERT_TRUE(app.close());
    EXPECT_EQ(reg_read(key, "Lang"), "3");
    EXPECT_EQ(reg_read(key, "Port"), "COM" + std::to_string(sim_com()));
    start();
    EXPECT_EQ(text_of(app.child(TC_WRITE)), "Ecrivez la carte") << "French again after a restart";
}

// A port typed into the dialog's box is opened; OK with nothing chosen keeps
// the working port open and stored.
TEST_F(CardWriter, TypedPortAndAnEmptyOk) {
    start(false, "1");
    app.command(CMD_COM_PORT);
    box dialog = wait_box(app.pi.dwProcessId);
    ASSERT_NE(dialog.hwnd, nullptr);
    HWND list = GetDlgItem(dialog.hwnd, IDC_COM_PORT_LIST);
    type_into(list, " " + std::to_string(sim_com()));
    answer_box(dialog, IDOK);
    ASSERT_TRUE(wait_for([&] { return !sim_log_of("RX").empty(); })) << "the typed port opened";
    EXPECT_TRUE(open_boxes(app.pi.dwProcessId).empty());

    app.command(CMD_COM_PORT);
    dialog = wait_box(app.pi.dwProcessId);
    list = GetDlgItem(dialog.hwnd, IDC_COM_PORT_LIST);
    EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), sim_com() - 1) << "its entry chosen";
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    type_into(list, "");
    answer_box(dialog, IDOK);
    sim_command("clear-log");
    ASSERT_TRUE(wait_for([&] { return !sim_log_of("RX").empty(); })) << "polling goes on";
    EXPECT_TRUE(open_boxes(app.pi.dwProcessId).empty()) << "no error box";

    app.command(CMD_COM_PORT);
    dialog = wait_box(app.pi.dwProcessId);
    list = GetDlgItem(dialog.hwnd, IDC_COM_PORT_LIST);
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    type_into(list, "COM9x");
    box refused = press_for_message(dialog, IDOK, app.pi.dwProcessId);
    EXPECT_EQ(refused.text, "Error opening the selected COM port!");
    answer_box(refused);
    sim_command("clear-log");
    ASSERT_TRUE(wait_for([&] { return !sim_log_of("RX").empty(); })) << "the port kept";
    ASSERT_TRUE(app.close());
    EXPECT_EQ(reg_read(key, "Port"), "COM" + std::to_string(sim_com()));
}

// The box's text names the port that opens, also when it was typed over
// the entry chosen before, or set as a whole.
// No tick runs under the dialog, and a port that does not open takes the
// card's form away: nothing is polled, so nothing may be written.
TEST_F(CardWriter, TheBoxTextWinsOverTheChosenEntry) {
    start(true, "1");
    ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    app.command(CMD_COM_PORT);
    box dialog = wait_box(app.pi.dwProcessId);
    sim_command("clear-log");
    Sleep(1200); // three ticks' time
    EXPECT_TRUE(sim_log_of("RX").empty()) << "no tick under the dialog";
    HWND list = GetDlgItem(dialog.hwnd, IDC_COM_PORT_LIST);
    ASSERT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), sim_com() - 1) << "its entry chosen";
    type_into(list, std::to_string(sim_com() + 1)); // a port with nothing on it
    box refused = press_for_message(dialog, IDOK, app.pi.dwProcessId);
    EXPECT_EQ(refused.text, "Error opening the selected COM port!") << "the box's port was tried";
    answer_box(refused);
    ASSERT_TRUE(wait_for([&] { return open_boxes(app.pi.dwProcessId).empty(); }));
    EXPECT_TRUE(wait_for([&] { return !visible(code()) && !visible(app.child(TC_WRITE)); }))
        << "no card's form over a closed port";

    app.command(CMD_COM_PORT);
    dialog = wait_box(app.pi.dwProcessId);
    list = GetDlgItem(dialog.hwnd, IDC_COM_PORT_LIST);
    EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), sim_com()) << "the box's port was kept";
    type_over(list, "COM" + std::to_string(sim_com()));
    sim_command("clear-log");
    answer_box(dialog, IDOK);
    ASSERT_TRUE(wait_for([&] { return !sim_log_of("RX").empty(); })) << "the typed port opened";
    EXPECT_TRUE(open_boxes(app.pi.dwProcessId).empty());
    ASSERT_TRUE(app.close());
    EXPECT_EQ(reg_read(key, "Port"), "COM" + std::to_string(sim_com()));
}

// The faults of the line that only real time-outs show (what each exchange
// makes of a reply is the unit tests' business): one box at a time, polling
// resumed after OK, nothing written.
TEST_F(CardWriter, MisbehavingReaderShowsOneBoxAtATime) {
    start(true, "1");
    ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    struct {
        const char* fault;
        int ms;
        strings boxes; // the boxes seen (none is answered, so no tick follows one)
    } cases[] = {
        {"fault trickle 40 on=18", 2500, {}}, // bytes 40 ms apart: one read
        {"fault trickle 60 on=18", 5000, {"General error of the device"}},
        {"fault silence", 4000, {"General error of the device"}},
        // Bytes that answer no command of ours: waited past, then the device error.
        {"fault garbage 7F 7F 7F 7F 7F 7F 7F 7F on=18", 5000, {"General error of the device"}},
        {"fault status 02 on=18", 5000, {"Failed operation"}}, // stuck: one box, no ticks
    };
    for (const auto& c : cases) {
        sim_command(c.fault);
        EXPECT_EQ(boxes_over(c.ms, false), c.boxes) << c.fault;
        sim_command("fault none");
        answer_open_boxes(app);
        sim_command("clear-log");
        ASSERT_TRUE(wait_for([&] { return !sim_log_of("RX").empty(); })) << "polling resumes";
        EXPECT_TRUE(wait_for([&] { return visible(code()); }));
        EXPECT_EQ(sim_command("block 4"), strings{k_block4}) << "nothing was written";
    }
}

// A write counts when the card holds it: a reader that answers a write as
// done without making it (a card lifted during the write, a weak field) gets
// the failure box and Write card stays offered with the typing.
TEST_F(CardWriter, WriteTheCardDidNotTakeIsNotCalledWritten) {
    start(true, "1");
    ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    type_into(app.child(TC_ACCESSES), "16");
    sim_command("fault unstored");
    app.command(TC_WRITE);
    box b = wait_box(app.pi.dwProcessId);
    EXPECT_EQ(b.text, "Failed operation");
    answer_box(b);
    EXPECT_EQ(sim_command("block 4"), strings{k_block4}) << "the card holds nothing new";
    ticks(3);
    EXPECT_TRUE(visible(app.child(TC_WRITE)));
    EXPECT_EQ(text_of(app.child(TC_ACCESSES)), "16") << "the typing kept";
    sim_command("fault none");
    app.command(TC_WRITE);
    expect_written_card_once();
}

// A reply that comes after its wait belongs to its command: the ticks after
// it show no "Failed operation".
TEST_F(CardWriter, LateReplyIsNotTheNextCommandsAnswer) {
    start(true, "1");
    ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    type_into(app.child(TC_ACCESSES), "16");
    sim_command("fault late 3500 on=1A x1");
    app.command(TC_WRITE);
    box b = wait_box(app.pi.dwProcessId);
    EXPECT_EQ(b.text, "General error of the device") << "no reply within the wait";
    EXPECT_TRUE(wait_for([&] { return !replies_to("1A").empty(); }))
        << "the late reply comes while the box is open";
    answer_box(b);
    EXPECT_EQ(boxes_over(2500, true), strings{}) << "no box from the late reply";
    EXPECT_TRUE(visible(code()));
}

// A button pressed behind a tick's box is not taken, so no tick rolls it back.
TEST_F(CardWriter, CommandBehindABoxIsNotTaken) {
    start(true, "1");
    ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    sim_command("fault status 02 on=18");
    box b = wait_box(app.pi.dwProcessId);
    EXPECT_EQ(b.text, "Failed operation");
    sim_command("fault none");
    sim_command("clear-log");
    app.command(TC_WRITE);
    Sleep(800);
    EXPECT_TRUE(frames_of("1A").empty()) << "nothing written behind the box";
    answer_box(b);
    EXPECT_TRUE(wait_for([&] { return visible(app.child(TC_WRITE)); }));
}

// Another card laid right after a write, with no empty tick between, is
// read as the card it is.
TEST_F(CardWriter, AnotherCardRightAfterAWriteIsReadAsItself) {
    start(true, "1");
    ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    // Swapped right after the write's last read-back (classic: blocks 4 and 5).
    sim_command(std::string("swap") + k_other_card.substr(5) + " after=19" + k_readbacks);
    app.command(TC_WRITE);
    ASSERT_TRUE(wait_for([&] { return text_of(code()) == k_other_code; }));
    ticks(2);
    EXPECT_TRUE(visible(app.child(TC_WRITE))) << "nothing was written on this card";
    EXPECT_EQ(red_pixels(app.main, 340, 306, 580, 380), 0) << "no \"Written card\"";
    EXPECT_TRUE(open_boxes(app.pi.dwProcessId).empty());
}

// The adapter pulled out: one box for the episode, then quiet; plugged back,
// a card laid is shown without anything done in the program.
TEST_F(CardWriter, ReaderUnpluggedComesBackOnItsOwn) {
    start(true, "1");
    ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    sim_command("unplug");
    EXPECT_EQ(boxes_over(6000, true), strings{"General error of the device"})
        << "one box for the episode";
    sim_command("plug");
    sim_command(k_other_card); // another card, laid while nothing is done in the program
    EXPECT_TRUE(wait_for([&] { return text_of(code()) == k_other_code; }, 20000))
        << "back on its own";
    EXPECT_TRUE(open_boxes(app.pi.dwProcessId).empty());
}

#ifdef VM_CLASSIC
class Classic : public CardWriter {};

TEST_F(Classic, CardReadOnceThenWrittenByteForByte) {
    start(true, "1");
    ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    EXPECT_EQ(text_of(code()), "0123456789");
    EXPECT_EQ(text_of(app.child(TC_ACCESSES)), "15");
    EXPECT_EQ(text_of(app.child(TC_EXPIRY)), "14/12/2015");
    ASSERT_TRUE(wait_for([&] { return overlay_painted(app.main); }));
    sim_command("clear-log");

    // The worked example, as the form shows it.
    app.command(TC_WRITE);
    ASSERT_TRUE(wait_for([&] { return frames_of("1A").size() == 2; }));
    ASSERT_TRUE(wait_for([&] { return frames_of("19").size() >= 2; }));
    const strings reads = frames_of("19");
    EXPECT_EQ(strings(reads.begin(), reads.begin() + 2),
              (strings{"0A1B2C3D00FFFFFFFFFFFF04", "0A1B2C3D00FFFFFFFFFFFF05"}))
        << "each block read back";
    EXPECT_EQ(frames_of("1A"),
              (strings{"0A1B2C3D00FFFFFFFFFFFF0401234567890315121400000000000000",
                       "0A1B2C3D00FFFFFFFFFFFF050f000000f0ffffff0f00000001fe01fe"}));
    expect_written_card_once();
}

// A card whose write was cut after block 4 (its count flag set, block 5
// still zeros) is shown writable with empty accesses, and a write puts both
// blocks right.
TEST_F(Classic, CountNeverWrittenIsWrittenRight) {
    sim_command("place 0A1B2C3D 4=01234567890100000000000000000000 5=" + std::string(32, '0'));
    start(true, "1");
    ASSERT_TRUE(wait_for([&] { return visible(code()); })) << "not an invalid card";
    EXPECT_EQ(text_of(app.child(TC_ACCESSES)), "");
    EXPECT_TRUE(visible(app.child(TC_WRITE)));
    type_into(app.child(TC_ACCESSES), "15");
    app.command(TC_WRITE);
    expect_written_card_once();
    EXPECT_EQ(sim_command("block 5"), strings{k_counter});
    EXPECT_EQ(sim_command("block 4"), strings{"01234567890100000000000000000000"});
}
#else
class Tandor : public CardWriter {
  protected:
    void place(const std::string& block4) { sim_command("place 0A1B2C3D 4=" + block4); }
};

TEST_F(Tandor, BlankCardBecomesAWrittenUserCard) {
    place(std::string(32, '0'));
    start(true, "1");
    ASSERT_TRUE(wait_for([&] { return visible(app.child(TC_USER_CARD)); }));
    EXPECT_TRUE(enabled(app.child(TC_USER_CARD)));
    EXPECT_FALSE(enabled(app.child(TC_MASTER_CARD)));
    EXPECT_FALSE(overlay_painted(app.main)) << "\"Select type card\" is a prompt";

    app.command(TC_USER_CARD);
    ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    EXPECT_EQ(text_of(app.child(TC_WRITE)), "Write card");
    ASSERT_TRUE(wait_for([&] { return overlay_painted(app.main); }));
    type_into(code(), "c0ffee42");
    type_into(app.child(TC_EXPIRY), "28/02/2031 24");
    type_into(app.child(TC_ACCESSES), "1234");
    sim_command("clear-log");
    app.command(TC_WRITE);
    const std::string payload = "0A1B2C3D00FFFFFFFFFFFF04C0FFEE42FFFFFFFFA524280231A504D2";
    ASSERT_TRUE(wait_for([&] { return !frames_of("1A").empty(); }));
    EXPECT_EQ(frames_of("1A"), strings{payload});
    EXPECT_EQ(sim_command("block 4"), strings{payload.substr(24)});

    expect_written_card_once();
    EXPECT_EQ(text_of(code()), "C0FFEE42") << "read again";
    EXPECT_TRUE(open_boxes(app.pi.dwProcessId).empty());
}

#endif
} // namespace
