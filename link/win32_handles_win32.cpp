#include "win32_handles.h"

win32_handles& win32() {
    static win32_handles handles;
    return handles;
}
