#pragma once
// Reading a whole number at the start of a text the way "%d" and "%ld" do
// (leading blanks, an optional sign, decimal digits), but with the same
// result on every platform and without overflow.

// True when the text begins with a number. *value is the number,
// held at +/-10^18 when it is larger than that, so range checks stay right.
bool leading_number(const char* text, long long* value);

// The whole text is one decimal number: digits only (after a '-' when
// `signed_allowed`), no blanks, signs or anything else around them. True with
// *value, held at +/-10^18 like leading_number.
bool whole_number(const char* text, bool signed_allowed, long long* value);

// Two decimal digits at p into *value; false when either is no decimal digit.
bool two_digits(const char* p, int* value);

// A date "dd/mm/yyyy" in the first 10 characters of text: two, two and four
// decimal digits and the two slashes in their places, and a day that exists
// in that month of that year (no 31/04, no 29/02 outside leap years). What
// follows the 10 characters is the caller's. True with the three numbers.
bool date_text_at(const char* text, int* day, int* month, int* year);

// The day exists in that month of that year of the Gregorian calendar.
bool day_exists(int day, int month, int year);
