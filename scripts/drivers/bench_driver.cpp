// Times the programs' operations as a user sees them, through their windows,
// against the simulators. Prints one line "sample FIGURE MILLISECONDS" per
// run. Used by scripts/bench.
//
//   bench-driver FIGURE RUNS
//
// The program under test is VM_PROGRAM; the simulator is the one with-sim
// started (SIM_COM, SIM_CONTROL_PORT).
#include "card_writer_ids.h"
#include "e2e_support.h"
#include "velmor_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace {
const wchar_t* main_class() {
    return env("VM_PROGRAM").find("velmor") != std::string::npos ? L"VelmorClass" : L"TandorClass";
}

double clock_ms() {
    static LARGE_INTEGER f = [] {
        LARGE_INTEGER x;
        QueryPerformanceFrequency(&x);
        return x;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

// The longest the window takes to answer a message, sampled every 100 ms
// for `ms` milliseconds.
double longest_answer(HWND main, int ms) {
    double longest = 0;
    double end = clock_ms() + ms;
    while (clock_ms() < end) {
        double t0 = clock_ms();
        SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, 20000, nullptr);
        double took = clock_ms() - t0;
        if (took > longest)
            longest = took;
        Sleep(100);
    }
    return longest;
}

void sample(const std::string& figure, double ms) {
    std::printf("sample %s %.1f\n", figure.c_str(), ms);
    std::fflush(stdout);
}

// Sends a click and waits for its handler to return: the operations run to
// their end inside it.
double timed_click(const program& app, int id) {
    double t0 = clock_ms();
    SendMessageTimeoutW(app.main, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0, SMTO_NORMAL, 60000,
                        nullptr);
    return clock_ms() - t0;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench-driver FIGURE RUNS\n");
        return 2;
    }
    const std::string figure = argv[1];
    const int runs = std::atoi(argv[2]);
    const bool classic = env("VM_PROGRAM").find("classic") != std::string::npos;
    const char* key = env("VM_PROGRAM").find("velmor") != std::string::npos ? "Software\\Velmor"
                                                                            : "Software\\Tandor";
    const std::string user = "0A1B2C3DFFFFFFFFA514050319A5000F";
    const std::string classic_card = "4=01234567890315121400000000000000 "
                                     "5=0F000000F0FFFFFF0F00000001FE01FE";

    if (figure.rfind("startup", 0) == 0) {
        for (int i = 0; i < runs; ++i) {
            reg_delete_key(key);
            if (figure == "startup-port")
                store_settings(key, true, "1");
            program app;
            double t0 = clock_ms();
            if (!app.start(program_path(), main_class()))
                return 1;
            sample(figure, clock_ms() - t0);
            app.close();
        }
        return 0;
    }

    store_settings(key, true, "1");
    program app;
    if (!app.start(program_path(), main_class()))
        return 1;
    HWND code = app.child(TC_CODE);
    for (int i = 0; i < runs; ++i) {
        if (figure == "card-shown") {
            sim_command("remove");
            wait_for([&] { return !visible(code); });
            Sleep(200 + 37 * i % 400); // lay the card at a different phase of the tick
            double t0 = clock_ms();
            sim_command("place 0A1B2C3D " + (classic ? classic_card : std::string("4=") + user));
            wait_for([&] { return visible(code); }, 10000);
            sample(figure, clock_ms() - t0);
        } else if (figure == "write") {
            sim_command("remove");
            wait_for([&] { return !visible(code); });
            sim_command("place 0A1B2C3D " + (classic ? classic_card : std::string("4=") + user));
            wait_for([&] { return visible(app.child(100)); });
            sample(figure, timed_click(app, 100));
        } else if (figure == "velmor-write") {
            SendMessageTimeoutW(app.child(VC_IMAX_1), WM_SETTEXT, 0,
                                reinterpret_cast<LPARAM>(L"32"), SMTO_NORMAL, 5000, nullptr);
            for (int field : {VC_IMAXS_1, VC_IMAXS_2, VC_IMAX_2})
                SendMessageTimeoutW(app.child(field), WM_SETTEXT, 0,
                                    reinterpret_cast<LPARAM>(L"10"), SMTO_NORMAL, 5000, nullptr);
            sample(figure, timed_click(app, 100));
        } else if (figure == "answer-under-fault") {
            // Bytes of each detect reply 60 ms apart: every tick ends in the
            // device error. How long the window keeps the user waiting.
            sim_command("fault trickle 60 on=18");
            double longest = 0;
            for (int slice = 0; slice < 10; ++slice) {
                longest = std::max(longest, longest_answer(app.main, 500));
                for (const box& b : open_boxes(app.pi.dwProcessId))
                    answer_box(b);
            }
            sim_command("fault none");
            sample(figure, longest);
        } else if (figure == "velmor-read") {
            sample(figure, timed_click(app, 400));
        } else if (figure == "velmor-reboot") {
            sample(figure, timed_click(app, 200));
        } else {
            std::fprintf(stderr, "unknown figure %s\n", figure.c_str());
            return 2;
        }
    }
    app.close();
    return 0;
}
