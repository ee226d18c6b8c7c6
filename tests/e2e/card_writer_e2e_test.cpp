// What both card writers share, driven through the real program's window
// under Wine against the simulated reader; built once for each program
// (VM_CLASSIC for tandor-classic, which runs on COM12 through the
// device-namespace name). The first start, the settings, the COM port dialog,
// the languages, the line, and a reader that misbehaves: at most one box at a
// time, the window answering, nothing written unasked.
#include "card_writer_ids.h"
#include "e2e_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {
using strings = std::vector<std::string>;

const char k_key[] = "Software\\Tandor";
#ifdef VM_CLASSIC
const wchar_t k_title[] = L"Tandor - Quenby Corvane - v1.3";
const char k_card[] = "place 0A1B2C3D 4=01234567890315121400000000000000 "
                      "5=0F000000F0FFFFFF0F00000001FE01FE";
const char k_block4[] = "01234567890315121400000000000000";
const char k_program[] = "classic";
const char k_other_card[] = "place 99887766 4=98765432100315121400000000000000 "
                            "5=0F000000F0FFFFFF0F00000001FE01FE";
const char k_other_code[] = "9876543210";
#else
const wchar_t k_title[] = L"Tandor v2.0";
const char k_card[] = "place 0A1B2C3D 4=0A1B2C3DFFFFFFFFA514050319A5000F";
const char k_block4[] = "0A1B2C3DFFFFFFFFA514050319A5000F";
const char k_program[] = "tandor";
const char k_other_card[] = "place 99887766 4=11223344FFFFFFFFA514050319A5000F";
const char k_other_code[] = "11223344";
#endif

class CardWriter : public ::testing::Test {
  protected:
    void SetUp() override {
        sim_command("fault none");
        sim_command("plug");
        sim_command(k_card);
        sim_command("clear-log");
        reg_delete_key(k_key);
    }
    void TearDown() override {
        sim_command("fault none");
        answer_open_boxes(app);
        app.close();
    }
    void start(bool with_port, const char* lang = "1") {
        if (with_port)
            reg_write(k_key, "Port", ("COM" + std::to_string(sim_com())).c_str());
        reg_write(k_key, "Lang", lang);
        ASSERT_TRUE(app.start(program_path(), L"TandorClass"));
    }
    HWND code() { return app.child(TC_CODE); }

    // Under a fault for `ms`: at most one box at a time and the window
    // answering within the bound. The texts of the boxes seen, in order.
    strings endure(int ms) {
        strings texts;
        const double end = clock_ms() + ms;
        while (clock_ms() < end) {
            std::vector<box> boxes = open_boxes(app.pi.dwProcessId);
            EXPECT_LE(boxes.size(), 1u) << "boxes pile up";
            for (const box& b : boxes)
                if (texts.empty() || texts.back() != b.text)
                    texts.push_back(b.text);
            const double answer = longest_answer(app.main, 300);
            EXPECT_LT(answer, k_answer_bound_ms) << "the window stopped answering";
            worst = std::max(worst, answer);
        }
        return texts;
    }
    // Clears the fault and the boxes; polling goes on, the card as it was.
    void recover() {
        sim_command("fault none");
        answer_open_boxes(app);
        sim_command("clear-log");
        ASSERT_TRUE(wait_for([&] { return !sim_log_of("RX").empty(); })) << "polling resumes";
        EXPECT_TRUE(wait_for([&] { return visible(code()); }));
        EXPECT_EQ(sim_command("block 4"), strings{k_block4}) << "nothing was written";
    }
    program app;
    double worst = 0;
};

TEST_F(CardWriter, FirstStartIsSilentAndItalianAndStoresItsSettings) {
    ASSERT_TRUE(app.start(program_path(), L"TandorClass"));
    wchar_t title[64];
    GetWindowTextW(app.main, title, 64);
    EXPECT_STREQ(title, k_title);
    EXPECT_EQ(text_of(app.child(TC_WRITE)), "Scrivi carta");
    Sleep(1200); // three ticks: none may talk to the reader
    EXPECT_TRUE(sim_log_of("RX").empty());
    EXPECT_FALSE(visible(code()));
    EXPECT_FALSE(overlay_painted(app.main));
    if (std::string(k_program) == "tandor")
        shot(app.main, "tandor-first-start", "first start: Italian, no COM port");
    ASSERT_TRUE(app.close());
    EXPECT_EQ(app.exit_code, 0u);
    EXPECT_EQ(reg_read(k_key, "Port"), "COM0");
    EXPECT_EQ(reg_read(k_key, "Lang"), "0");
    EXPECT_FALSE(reg_key_in_64bit_view(k_key)) << "kept in the 32-bit view (Wow6432Node)";

    // Bad stored values: Italian, no port, no box.
    reg_write_dword(k_key, "Port", 5);
    reg_write(k_key, "Lang", std::string(300, '1').c_str());
    ASSERT_TRUE(app.start(program_path(), L"TandorClass"));
    EXPECT_EQ(text_of(app.child(TC_WRITE)), "Scrivi carta");
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
    EXPECT_EQ(sim_command("line"), strings{"speed 19200 bits 8 parity none stop 1"});

    // The port is the program's alone: a second instance cannot open it.
    program second;
    ASSERT_TRUE(second.start(program_path(), L"TandorClass"));
    ASSERT_TRUE(app.close());
    sim_command("clear-log");
    Sleep(1500);
    EXPECT_TRUE(sim_log_of("RX").empty()) << "the second instance never had the port";
    ASSERT_TRUE(second.close());

    start(true, "0"); // the stored port is opened at the start, and selected in the dialog
    ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    app.command(CMD_COM_PORT);
    dialog = wait_box(app.pi.dwProcessId);
    EXPECT_EQ(SendMessageW(GetDlgItem(dialog.hwnd, IDC_COM_PORT_LIST), CB_GETCURSEL, 0, 0),
              sim_com() - 1);
    SendMessageW(GetDlgItem(dialog.hwnd, IDC_COM_PORT_LIST), CB_SETCURSEL, 8, 0); // nothing there
    answer_box(dialog, IDOK);
    box error; // shown while the dialog is still up
    ASSERT_TRUE(wait_for(
        [&] {
            for (const box& b : open_boxes(app.pi.dwProcessId))
                if (b.caption == "Errore")
                    error = b;
            return error.hwnd != nullptr;
        },
        20000));
    EXPECT_EQ(error.text, "Errore durante l'apertura della porta COM selezionata!");
    answer_box(error);

    const unsigned long long italian_menu = menu_bar_print(app.main);
    app.command(CMD_ENGLISH);
    ASSERT_TRUE(wait_for([&] { return text_of(app.child(TC_WRITE)) == "Write card"; }));
    ASSERT_TRUE(wait_for([&] { return menu_bar_print(app.main) != italian_menu; }))
        << "the menu bar changes at once";
    app.command(CMD_FRENCH);
    ASSERT_TRUE(wait_for([&] { return text_of(app.child(TC_WRITE)) == "Ecrivez la carte"; }));
    Sleep(300);
    const unsigned long long french_menu = menu_bar_print(app.main);
    if (std::string(k_program) == "tandor")
        shot(app.main, "tandor-french", "in French");
    ASSERT_TRUE(app.close());
    EXPECT_EQ(reg_read(k_key, "Lang"), "3");
    EXPECT_EQ(reg_read(k_key, "Port"), "COM9");
    ASSERT_TRUE(app.start(program_path(), L"TandorClass"));
    EXPECT_EQ(text_of(app.child(TC_WRITE)), "Ecrivez la carte");
    EXPECT_TRUE(wait_for([&] { return menu_bar_print(app.main) == french_menu; }))
        << "the French menu again after a restart";
}

TEST_F(CardWriter, MisbehavingReaderShowsOneBoxAtATime) {
    start(true);
    ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    struct {
        const char* fault;
        int ms;
        strings boxes; // the first boxes seen
    } cases[] = {
        {"fault trickle 40 on=18", 2500, {}}, // bytes 40 ms apart: one read
        {"fault trickle 60 on=18", 5000, {"General error of the device"}},
        {"fault nak", 3000, {"General error of the device"}},
        {"fault cut 4", 3000, {"General error of the device"}},
        {"fault silence", 4000, {"General error of the device"}},
        {"fault garbage 7F 7F 7F 7F 7F 7F 7F 7F on=18", 2500, {"Failed operation"}},
        {"fault status 02 on=18", 5000, {"Failed operation"}}, // stuck: one box, no ticks
    };
    for (const auto& c : cases) {
        sim_command(c.fault);
        strings boxes = endure(c.ms);
        if (boxes.size() > c.boxes.size())
            boxes.resize(c.boxes.size());
        EXPECT_EQ(boxes, c.boxes) << c.fault;
        recover();
    }
    std::printf("[ figure   ] longest answer of the %s window: %.0f ms\n", k_program, worst);
}

// The adapter pulled out: one box for the episode, then quiet; plugged back,
// a card laid is shown without anything done in the program.
TEST_F(CardWriter, ReaderUnpluggedComesBackOnItsOwn) {
    start(true);
    ASSERT_TRUE(wait_for([&] { return visible(code()); }));
    sim_command("unplug");
    std::vector<HWND> seen;
    strings texts;
    const double end = clock_ms() + 6000;
    while (clock_ms() < end) {
        for (const box& b : open_boxes(app.pi.dwProcessId)) {
            if (std::find(seen.begin(), seen.end(), b.hwnd) == seen.end()) {
                seen.push_back(b.hwnd);
                texts.push_back(b.text);
            }
            answer_box(b);
        }
        Sleep(100);
    }
    EXPECT_EQ(texts, strings{"General error of the device"}) << "one box for the episode";
    sim_command("plug");
    sim_command(k_other_card); // another card, laid while nothing is done in the program
    EXPECT_TRUE(wait_for([&] { return text_of(code()) == k_other_code; }, 20000))
        << "back on its own";
    EXPECT_TRUE(open_boxes(app.pi.dwProcessId).empty());
}
} // namespace
