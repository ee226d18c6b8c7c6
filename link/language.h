#pragma once
// The interface language index shared by the three programs:
// 0 Italian, 1 English, 2 Spanish, 3 French.

enum { LANG_ITALIAN = 0, LANG_ENGLISH = 1, LANG_SPANISH = 2, LANG_FRENCH = 3, LANG_COUNT = 4 };

int lang_get();

// Any value outside 0 to 3 falls back to Italian, so the index can always
// pick one of four entries.
void lang_set(int index);
