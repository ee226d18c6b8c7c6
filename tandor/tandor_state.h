#pragma once
// The card writer's state between ticks, commands and paintings.

#include "reader.h"

enum card_state_value {
    CARD_NONE = 0,
    CARD_BLANK = 1,
    CARD_USER = 2,
    CARD_MASTER = 3,
    CARD_INVALID = 4,
};

enum { PROMPT_PLACE = 0, PROMPT_INVALID = 1, PROMPT_SELECT_TYPE = 15 };

struct tandor_state {
    int card_state = CARD_NONE;
    int prompt_index = PROMPT_PLACE; // prompt string 10001 + 4 * index + language
    int card_present = 0;
    int user_card = 0;
    int master_card = 0;
    int written = 0;
    int read_error = 0;
    card_reader reader{};
};

// The one state of the process.
tandor_state& tandor();

// Controls of the main window by logical id: the ids of the buttons are the
// ones they report; the edit fields have no id of their own.
enum tandor_control {
    TC_WRITE = 100,
    TC_USER_CARD = 101,
    TC_MASTER_CARD = 102,
    TC_PERSONAL = 103,
    TC_FREE = 104,
    TC_DELETE_DB = 105,
    TC_UID = 106,
    TC_EXPIRY_NOW = 107,
    TC_DATETIME_NOW = 108,
    TC_RESET = 109,
    TC_CODE = 1001,
    TC_ACCESSES = 1002,
    TC_EXPIRY = 1003,
    TC_DATETIME = 1004,
};

enum {
    CMD_LANGUAGE_FIRST = 3001,
    CMD_LANGUAGE_LAST = 3004,
    CMD_COM_PORT = 6002,
    MENU_FIRST = 2001,
    DIALOG_COM_PORT_FIRST = 1002,
    POLL_TIMER_ID = 507,
    POLL_PERIOD_MS = 400,
};
