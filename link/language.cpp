#include "language.h"

namespace {
int g_lang = LANG_ITALIAN;
}

int lang_get() {
    return g_lang;
}

void lang_set(int index) {
    g_lang = (index >= 0 && index < LANG_COUNT) ? index : LANG_ITALIAN;
}
