#pragma once
// What the end-to-end tests of the programs share.

#include "automation.h"
#include "sim_client.h"

#include <gtest/gtest.h>

#include <string>

// The Windows path of the program under test (VM_PROGRAM, a Unix path).
std::wstring program_path();

// Saves a screenshot of the main window as SHOTS/name.bmp when VM_SHOTS
// names a folder (a Unix path), and adds a line "name.bmp<TAB>what" to
// SHOTS/index.txt, so that a tour can say what each picture shows. Returns
// whether one was taken.
bool shot(HWND main, const std::string& name, const std::string& what);

// The frames the simulator received since its log was last cleared whose
// command is `cmd`, as their payload text.
std::vector<std::string> frames_of(const std::string& cmd);

// The card writers' overlay is painted: its pale header band shows where the
// skin would be.
bool overlay_painted(HWND main);

// Presses OK on every box the program has open now.
void answer_open_boxes(const program& app);

// Waits for a message box of the program and presses OK; fails the test when
// none comes. Returns the box as it was.
box expect_box(const program& app);

// A test of one program: the simulator reset (no fault, plugged in, its log
// cleared) and the program's settings key deleted before; its boxes answered
// and the program closed after.
class program_test : public ::testing::Test {
  protected:
    program_test(const char* settings_key, const wchar_t* window_class)
        : key(settings_key), cls(window_class) {}
    void SetUp() override;
    void TearDown() override;
    // Stores the simulator's port (when with_port) and the language, then
    // starts the program; start() alone starts it on what is stored.
    void start(bool with_port, const char* lang);
    void start();

    const char* key;
    const wchar_t* cls;
    program app;
};
