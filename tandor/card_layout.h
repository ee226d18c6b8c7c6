#pragma once
// Block 4 of the card writer's cards: a blank card (16 zero bytes), a User
// card or a Master card, as 32 upper-case hex digits.
//
// User card:   code(8) FFFFFFFF  A5|FF expiry hh dd mm yy (8)  A5|FF accesses (4)
// Master card: mode 50|46  order A55A|7007|FFFF  clock ss mm hh 01 dd mm yy (14)
//              signature 4D4153544552 ("MASTER")

#include "outcome.h"

enum { CARD_BLOCK_CHARS = 32 };

// The block of a MIFARE Classic card that holds the access card.
enum { CARD_ACCESS_BLOCK = 4 };

// Sets *user_card when the block is not all "0"; when it ends with the
// master signature sets *master_card and clears *user_card. Never clears a
// flag otherwise.
void classify_block(const char* block, bool* user_card, bool* master_card);

// Encodes a User card from the form texts, checking them first (card code,
// expiry, accesses). Done with out filled (32 characters and a terminator),
// or refused with the message that refuses them, out untouched.
outcome encode_user_block(const char* card_code, const char* expiry, const char* accesses,
                          char out[CARD_BLOCK_CHARS + 1]);

// Encodes a Master card: mode "50" for Personal, else "46"; Delete DB, or the
// clock from the datetime text, or no order. Done with out filled, or
// refused with the message that refuses the datetime text.
outcome encode_master_block(bool personal, bool delete_db, const char* datetime,
                            char out[CARD_BLOCK_CHARS + 1]);

struct user_form_texts {
    char card_code[9];
    char expiry[14];   // "dd/mm/20yy hh" or empty
    char accesses[12]; // decimal or empty
};

// Decodes a User card block; false when a marker or a field could not be
// read (the read error). Both fields are decoded either way.
bool decode_user_block(const char* block, user_form_texts* out);

struct master_form_state {
    bool personal; // radio button states
    bool free_mode;
    bool delete_db;        // check box
    char datetime[20];     // "dd/mm/20yy hh:mm:ss" or empty
    bool datetime_enabled; // the datetime field
};

// Decodes a Master card block into the form state; false on a read error. A
// part that cannot be read leaves its controls as they were.
bool decode_master_block(const char* block, master_form_state* form);
