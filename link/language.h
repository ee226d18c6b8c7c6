#pragma once
// The interface language index shared by the three programs:
// 0 Italian, 1 English, 2 Spanish, 3 French.

enum {
    LANGUAGE_ITALIAN = 0,
    LANGUAGE_ENGLISH = 1,
    LANGUAGE_SPANISH = 2,
    LANGUAGE_FRENCH = 3,
    LANGUAGE_COUNT = 4
};

int lang_get();

// Any value outside 0 to 3 falls back to Italian, so the index can always
// pick one of four entries.
void lang_set(int index);
