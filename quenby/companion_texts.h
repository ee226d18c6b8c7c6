#pragma once
// Every sentence the companion says, in the four languages of the programs
// (Italian, English, Spanish, French), one row a sentence. A sentence takes
// its parts as %1 to %9, which each language puts where its words want them.
// What is the programs' own (velmor's "The station does not answer", the
// card writer's form checks) is said in the programs' words, from their
// tables; what files and scripts read (profiles, audits, records, JSON, the
// decoded trace) stays in the one language they are read in.

#include "port.h"

#include <initializer_list>
#include <string>

enum companion_text {
    // A port and how it opens.
    QT_OPEN_NOT_PRESENT,
    QT_OPEN_IN_USE,
    QT_OPEN_DENIED,
    QT_OPEN_SETTINGS,
    QT_OPEN_FAILED,
    QT_NO_SUCH_COM_PORT,
    QT_NO_SUCH_PORT_PATH,
    QT_NO_PORT_FOUND,
    // What a probe found, and what --use stored.
    QT_PROBE_READER,
    QT_PROBE_CARD_ON_IT,
    QT_PROBE_NO_CARD_ON_IT,
    QT_PROBE_NAK,
    QT_PROBE_STATION,
    QT_PROBE_LANGUAGE,
    QT_PROBE_ONE_SOCKET,
    QT_PROBE_TWO_SOCKETS,
    QT_PROBE_UNKNOWN,
    QT_PROBE_NO_ANSWER,
    QT_STORED,
    QT_STORE_FAILED,
    QT_NOT_STORED,
    QT_NOTHING_STORED,
    QT_NO_REGISTRY,
    QT_TWO_READERS,
    QT_TWO_STATIONS,
    // Files.
    QT_CANNOT_READ,
    QT_CANNOT_WRITE,
    QT_CANNOT_WRITE_WHY,
    QT_SYSTEM_ERROR,
    // The command line.
    QT_WHOLE_SECONDS,
    QT_NOT_A_LANGUAGE,
    QT_NOT_A_LAYOUT,
    QT_COMMAND_WANTED,
    QT_REQUIRED,
    QT_NOT_EXPECTED,
    QT_NEEDS,
    QT_VALUE_WANTED,
    QT_HELP_HINT,
    // --help.
    QT_HELP_ABOUT,
    QT_HELP_FOOTER,
    QT_HELP_LANG,
    QT_HELP_HELP,
    QT_HELP_VERSION,
    QT_HELP_PORTS,
    QT_HELP_PORTS_PORT,
    QT_HELP_PROBE,
    QT_HELP_USE,
    QT_HELP_PORTS_JSON,
    QT_HELP_LOG,
    QT_HELP_LOG_FILE,
    QT_HELP_SECONDS,
    QT_HELP_DECODE,
    QT_HELP_DECODE_FILE,
    QT_HELP_LAYOUT,
    QT_HELP_STATION,
    QT_HELP_STATION_READ,
    QT_HELP_STATION_WRITE,
    QT_HELP_STATION_DIFF,
    QT_HELP_STATION_CHECK,
    QT_HELP_STATION_PORT,
    QT_HELP_PROFILE,
    QT_HELP_DIFF_JSON,
    QT_HELP_RECORD,
    QT_HELP_CARDS,
    QT_HELP_CARDS_ISSUE,
    QT_HELP_CARDS_CHECK,
    QT_HELP_READER_PORT,
    QT_HELP_BATCH,
    QT_HELP_AUDIT,
    QT_HELP_RESUME,
    QT_HELP_BATCH_JSON,
    QT_HELP_WAIT,
    QT_HELP_CHECK_AUDIT,
    QT_HELP_CHECK_RESUME,
    QT_LABEL_USAGE,
    QT_LABEL_OPTIONS_WORD,
    QT_LABEL_COMMAND_WORD,
    QT_LABEL_POSITIONALS,
    QT_LABEL_OPTIONS,
    QT_LABEL_COMMANDS,
    QT_LABEL_REQUIRED,
    QT_LABEL_NEEDS,
    QT_LABEL_EXCLUDES,
    // The station jobs.
    QT_CHECK_CABLE_AND_POWER,
    QT_LINE_DID_NOT_TAKE,
    QT_UNREAD_ANSWER,
    QT_NOTHING_SENT,
    QT_NOT_READ_WHOLE,
    QT_PROFILE_WRITTEN,
    QT_COMPUTER_CLOCK,
    QT_WRITE_NOT_RECORDED,
    QT_WRITTEN_AND_HELD,
    QT_PROFILE_PASSES,
    QT_DIFFERENCE,
    QT_NOTHING,
    QT_STATION_HOLDS,
    // What a profile's line is refused for.
    QT_NOT_KEY_VALUE,
    QT_UNKNOWN_KEY,
    QT_GIVEN_TWICE,
    QT_NO_VALUE,
    QT_STATION_CODE,
    QT_IS_NOT,
    QT_ONE_OF,
    QT_ONE_OR_TWO,
    QT_WHOLE_NUMBER,
    QT_MISSING,
    QT_MISSING_WITH_TWO,
    // What a batch or its audit is refused for.
    QT_CONTROL_CHARACTER,
    QT_FORM_REFUSED,
    QT_LEADING_ZEROS,
    QT_HEADER_WANTED,
    QT_FIELDS_WANTED,
    QT_CODE_TWICE,
    QT_ONLY_HEADER,
    QT_NO_AUDIT_LINE,
    QT_FILE_UNREADABLE,
    QT_HELD_OR_REFUSED,
    QT_NO_FILE,
    QT_NOT_TO_ITS_END,
    QT_FILE_REFUSED,
    // The card jobs.
    QT_BATCH_REFUSED,
    QT_RESUME_NEEDS_AUDIT,
    QT_AUDIT_HOLDS_ONE,
    QT_AUDIT_HOLDS,
    QT_CUT_NAMED,
    QT_CUT_UNNAMED,
    QT_BATCH_PASSES_ONE,
    QT_BATCH_PASSES,
    QT_BATCH_START_ONE,
    QT_BATCH_START,
    QT_READER_SILENT,
    QT_AUDIT_FAILED,
    QT_AUDIT_FAILED_NOT_WRITTEN,
    QT_AUDIT_FAILED_HOLDS,
    QT_AUDIT_FAILED_MAY_HOLD,
    QT_NOT_THAT_CARD,
    QT_WRITTEN_ALREADY,
    QT_BLOCK_UNREADABLE,
    QT_DOES_NOT_HOLD,
    QT_CARD_REFUSED,
    QT_LAY_CARD,
    QT_LAY_AGAIN,
    QT_POSITION,
    QT_ROW_WRITTEN,
    QT_MAY_BE_WRITTEN,
    QT_NOT_WRITTEN,
    QT_LIFT_AND_LAY,
    QT_AUDIT_AT_LINE,
    QT_AUDIT_WORD,
    QT_EARLIER_FIRST,
    QT_EARLIER_ASIDE,
    QT_NO_AUDIT,
    QT_CARD_LIES,
    QT_DONE_ALREADY,
    QT_LIFT_CARD,
    QT_LIFT_LAST_CARD,
    QT_BATCH_DONE,
    QT_BATCH_STOPPED,
    // The record of the programs' debug output.
    QT_LOG_BUSY,
    QT_LOG_CHANNEL,
    QT_LOG_RECORDING,
    QT_LOG_RECORDING_INTO,
    QT_LOG_NOT_WRITTEN,
    QT_LOG_WINDOWS_ONLY,
    QT_COUNT
};

// The row's text in language `lang` (0 to 3; any other: English), its %1 to
// %9 replaced by `parts` in their order; a part the row does not take is
// left out, a %n without a part stays as it is.
std::string qtext_in(int lang, companion_text row, std::initializer_list<std::string> parts = {});

// The same in the language the companion speaks (lang_get).
std::string qtext(companion_text row, std::initializer_list<std::string> parts = {});

// The row's text as it stands in the table, %n and all; "" for no row.
const char* qtext_raw(companion_text row, int lang);

// Why a port did not open, in language `lang`: "not present", "in use by
// another program"...
std::string port_open_words(serial_open_result result, int lang);
