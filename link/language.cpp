#include "language.h"

namespace {
int g_lang = LANGUAGE_ITALIAN;
}

int lang_get() {
    return g_lang;
}

void lang_set(int index) {
    g_lang = (index >= 0 && index < LANGUAGE_COUNT) ? index : LANGUAGE_ITALIAN;
}
