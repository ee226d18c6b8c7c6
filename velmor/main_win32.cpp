#include "profile_velmor.h"
#include "shell_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    profile_set(&k_velmor_profile);
    return shell_run_empty(instance, L"VelmorClass", L"Velmor - Quenby Corvane - v1.0", 806, 470,
                           show);
}
