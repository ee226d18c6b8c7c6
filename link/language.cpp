#include "language.h"

#include "link_state.h"

int lang_get() {
    return link_record().language;
}

void lang_set(int index) {
    link_record().language = (index >= 0 && index < LANGUAGE_COUNT) ? index : LANGUAGE_ITALIAN;
}
