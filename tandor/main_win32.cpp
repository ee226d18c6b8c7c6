#include "profile_tandor.h"
#include "shell_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    profile_set(&k_tandor_profile);
    return shell_run_empty(instance, L"TandorClass", L"Tandor v2.0", 592, 420, show);
}
