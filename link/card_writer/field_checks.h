#pragma once
// Checks of the card form texts that both card writers run before anything
// is written to a card.

// Exactly `digits` hex digits in either case, or (when allow_empty) nothing.
bool card_code_valid(const char* text, int digits, bool allow_empty);

// A text that does not begin with a number passes (it counts as 0); one that
// does passes when the number lies in [low, high].
bool accesses_in_range(const char* text, long long low, long long high);
