#pragma once
// What the end-to-end tests of the programs share.

#include "automation.h"
#include "sim_client.h"

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

// Every frame the simulator received since its log was cleared is in the trace
// as sent (TX), every one it sent as received (RX), with the same bytes.
void expect_trace_matches_sim_log(const std::vector<std::string>& trace);

// Samples how long the window takes to answer a message, every 100 ms for
// `ms` milliseconds; returns the longest answer in milliseconds.
double longest_answer(HWND main, int ms);

// Milliseconds from an arbitrary start.
double clock_ms();

// The longest time an exchange may hold the window: the reply bound of the
// link (no new read after 2.5 s) plus one full read of 2.61 s.
constexpr double k_answer_bound_ms = 2500 + 2610 + 500;

// The card writers' overlay is painted: its pale header band shows where the
// skin would be.
bool overlay_painted(HWND main);

// Presses OK on every box the program has open now.
void answer_open_boxes(const program& app);

// Waits for a message box of the program and presses OK; fails the test when
// none comes. Returns the box as it was.
box expect_box(const program& app);
