// The station setup tool.
#include "window_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    return velmor_main(instance, show);
}
