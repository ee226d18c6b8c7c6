#include "profile_classic.h"
#include "shell_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    profile_set(&k_classic_profile);
    return shell_run_empty(instance, L"TandorClass", L"Tandor - Quenby Corvane - v1.3", 592, 420,
                           show);
}
