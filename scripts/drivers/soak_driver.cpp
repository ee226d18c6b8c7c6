// A long run of a card writer: cards laid and taken away every few seconds,
// a write now and then, for MINUTES minutes. Prints the program's handle and
// GDI object counts and its working set once a minute, and at the end how many
// cycles ran and how many state changes were missed. Used by scripts/soak.
//
//   soak-driver MINUTES
#include "card_writer_ids.h"
#include "e2e_support.h"

#include <psapi.h>
#include <winternl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
// The program's handle and thread counts as the system lists its processes
// (under Wine, GetProcessHandleCount and GetGuiResources of another process
// answer 0; the process list carries the server's own count).
struct process_entry {
    ULONG next;
    ULONG threads;
    BYTE reserved1[48];
    UNICODE_STRING name;
    LONG priority;
    HANDLE pid;
    HANDLE parent;
    ULONG handles;
};

ULONG handle_count(DWORD pid) {
    using query_fn = LONG(WINAPI*)(int, void*, ULONG, ULONG*);
    static query_fn query = reinterpret_cast<query_fn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    std::string buffer(1 << 20, '\0');
    ULONG needed = 0;
    if (!query || query(5, &buffer[0], static_cast<ULONG>(buffer.size()), &needed) != 0)
        return 0;
    for (std::size_t at = 0;;) {
        auto* e = reinterpret_cast<process_entry*>(&buffer[at]);
        if (reinterpret_cast<ULONG_PTR>(e->pid) == pid)
            return e->handles;
        if (!e->next)
            return 0;
        at += e->next;
    }
}

void report(const program& app, int minute) {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (!GetProcessMemoryInfo(app.pi.hProcess, &memory, sizeof memory))
        memory = {};
    std::printf("minute %d handles %lu gdi %lu working_set_kb %lu peak_kb %lu\n", minute,
                handle_count(app.pi.dwProcessId), GetGuiResources(app.pi.hProcess, GR_GDIOBJECTS),
                static_cast<unsigned long>(memory.WorkingSetSize / 1024),
                static_cast<unsigned long>(memory.PeakWorkingSetSize / 1024));
    std::fflush(stdout);
}
} // namespace

int main(int argc, char** argv) {
    const int minutes = argc > 1 ? std::atoi(argv[1]) : 30;
    const bool classic = env("VM_PROGRAM").find("classic") != std::string::npos;
    store_settings("Software\\Tandor", true, "1");
    program app;
    if (!app.start(program_path(), L"TandorClass"))
        return 1;
    HWND code = app.child(TC_CODE);
    HWND accesses = app.child(TC_ACCESSES);
    const std::string card = classic ? "4=01234567890315121400000000000000 "
                                       "5=0F000000F0FFFFFF0F00000001FE01FE"
                                     : "4=0A1B2C3DFFFFFFFFA514050319A5000F";
    const DWORD start = GetTickCount();
    int cycles = 0, writes = 0, missed = 0, minute = 0;
    report(app, 0);
    while (GetTickCount() - start < static_cast<DWORD>(minutes) * 60000u) {
        auto miss = [&](const char* what) {
            std::printf("missed %s in cycle %d, minute %lu\n", what, cycles,
                        (GetTickCount() - start) / 60000u);
            std::fflush(stdout);
            ++missed;
        };
        sim_command("place 0A1B2C3D " + card);
        if (!wait_for([&] { return visible(code); }, 5000))
            miss("the form shown");
        if (cycles % 3 == 0) {
            type_into(accesses, std::to_string(cycles % 1000));
            app.command(100);
            if (wait_for([&] { return !visible(app.child(100)); }, 5000))
                ++writes;
            else
                miss("the write");
        }
        Sleep(1500);
        sim_command("remove");
        if (!wait_for([&] { return !visible(code); }, 5000))
            miss("the form hidden");
        Sleep(1000);
        for (const box& b : open_boxes(app.pi.dwProcessId)) { // none expected
            std::printf("box %s\n", b.text.c_str());
            answer_box(b);
            miss("(a message box)");
        }
        ++cycles;
        if ((GetTickCount() - start) / 60000u > static_cast<DWORD>(minute))
            report(app, ++minute);
    }
    report(app, minute + 1);
    std::printf("cycles %d writes %d missed %d\n", cycles, writes, missed);
    app.close();
    return missed == 0 ? 0 : 1;
}
