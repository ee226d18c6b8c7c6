#pragma once
// The texts the link itself shows, the same in every language: the settings
// store's boxes (caption and text the wrong way round, as the programs have
// always shown them) and the setup tool's "Debug:" box of an answer it does
// not read. Their ids stand apart from every program's own.

enum link_text_id {
    LT_FIRST = 30000,
    LT_PATH_EMPTY = LT_FIRST, // "Path-value is empty!"
    LT_ERRORE,                // "Errore"
    LT_CREATE_FAILED,         // "Failed to create Key"
    LT_ERROR,                 // "Error"
    LT_WRITE_FAILED,          // "Failed to write key"
    LT_REGISTRY,              // "Error writing registry"
    LT_DEBUG,                 // "Debug:"
    LT_END
};

// The text of a link id; nullptr for any other id.
const char* link_text(int id);
