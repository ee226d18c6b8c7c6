#pragma once
// Checks of the card form texts that both card writers run before anything
// is written to a card.

// Exactly `digits` hex digits in either case, or (when allow_empty) nothing.
bool card_code_valid(const char* text, int digits, bool allow_empty);

// Empty (no accesses set), or the whole text one decimal number in [low,
// high]: digits only, with a leading '-' only when low is negative (a signed
// count). "l5", "15a", " 15" and "1 5" are refused.
bool accesses_in_range(const char* text, long long low, long long high);
