#pragma once
// Checks of the card form texts, run before anything is written to a card.
// Each check that refuses a text names the localized message to show.

#include "field_checks.h"
#include "outcome.h"

struct expiry_fields {
    int day, month, year, hour;
};

struct datetime_fields {
    int day, month, year, hour, minute, second;
};

// "dd/mm/yyyy hh": 13 characters, two-digit fields with "/" at 2 and 5 and a
// blank at 10, a day that exists in its month and year, year 2013-2099, hour
// 0-24. True when valid (fields filled).
bool expiry_text_valid(const char* text, expiry_fields* out);

// "dd/mm/yyyy hh:mm:ss": 19 characters laid out the same way, ":" at 13 and
// 16, ranges as above and minute, second 0-59.
bool datetime_text_valid(const char* text, datetime_fields* out);

// The checks of a User card in the order of its fields: card code, expiry,
// accesses. Done when all pass, else refused with the message to show.
outcome check_user_texts(const char* card_code, const char* expiry, const char* accesses);

// The check of a Master card: the datetime text, unless Delete DB is chosen
// or it is empty. Done, or refused with the message.
outcome check_master_texts(bool delete_db, const char* datetime);
