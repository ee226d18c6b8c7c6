#pragma once
// Reading a whole number at the start of a text the way "%d" and "%ld" do
// (leading blanks, an optional sign, decimal digits), but with the same
// result on every platform and without overflow.

// 1 when the text begins with a number, 0 otherwise. *value is the number,
// held at +/-10^18 when it is larger than that, so range checks stay right.
bool leading_number(const char* text, long long* value);
