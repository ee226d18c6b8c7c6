#pragma once
// Every text the station setup tool shows: one row a text, one column a
// language (Italian, English, Spanish, French). All its message boxes but the
// rule ones (locking, mirror, a list to choose) have the caption
// VT_CAPTION_ERROR.

#include <string>

enum velmor_text_row {
    VT_LABEL_SETTINGS,
    VT_LABEL_DATE,
    VT_LABEL_TIME,
    VT_LABEL_STATION_LANGUAGE,
    VT_LABEL_SOCKET_TYPE,
    VT_LABEL_LOCKING_TYPE,
    VT_LABEL_CONTACTOR_CONTROL,
    VT_LABEL_CURRENT_MEASURE,
    VT_LABEL_IMAX,
    VT_LABEL_IMAXS,
    VT_LABEL_OPERATING_MODE,
    VT_LABEL_SOCKET_1,
    VT_LABEL_SOCKET_2,
    VT_LABEL_COM_PORT,
    VT_LABEL_INTERFACE_LANGUAGE,
    VT_LABEL_READ,
    VT_LABEL_WRITE,
    VT_LABEL_REBOOT,
    VT_LANG_IT,
    VT_LANG_IN,
    VT_LANG_SP,
    VT_LANG_FR,
    VT_MODE_SIMULTANEOUS,
    VT_MODE_ALTERNATE,
    VT_TYPE_1,
    VT_TYPE_2,
    VT_TYPE_3A,
    VT_TYPE_3C,
    VT_TYPE_DOMESTIC,
    VT_LOCK_NONE,
    VT_LOCK_ONE,
    VT_LOCK_TWO,
    VT_CONTACTOR_NONE,
    VT_CONTACTOR_COIMP,
    VT_CONTACTOR_MIRROR,
    VT_METER_NONE,
    VT_METER_CT,
    VT_METER_PULSE,
    VT_METER_DIGITAL,
    VT_CAPTION_ERROR,
    VT_CAPTION_WARNING,
    VT_MSG_DATETIME,
    VT_MSG_LOCKING,
    VT_MSG_MIRROR,
    VT_MSG_CURRENT,
    VT_MSG_PORT,
    VT_MSG_COMMUNICATION,
    VT_MSG_NO_ANSWER,   // the station answered nothing at all
    VT_MSG_SOCKET_N,    // "Socket %d", before the name of a list to choose
    VT_MSG_CHOOSE_TYPE, // "choose the socket type", and the other lists
    VT_MSG_CHOOSE_LOCKING,
    VT_MSG_CHOOSE_CONTACTOR,
    VT_MSG_CHOOSE_METER,
    VT_MSG_CHOOSE_LANGUAGE, // the whole message for the station language list
    VT_MSG_NOT_HELD,        // a Write the station does not hold, before what differs
    VT_PART_LANGUAGE,       // what differs: the station language,
    VT_PART_COUNT,          // the socket count or mode,
    VT_PART_SOCKET_N,       // "socket %d"
    VT_ROW_COUNT
};

// The text of a row in the current interface language.
const char* vtext(int row);
// The text of a row in the current language with its "%d" replaced by n.
std::string vtext_with(int row, int n);
// The text of a row in language `lang` (0 to 3).
const char* vtext_in(int row, int lang);
