#pragma once
// The rules a configuration must pass before it is written to a station, in
// their fixed order, and the message of the first one that fails.

#include "station_config.h"

#include <string>

struct checked_datetime {
    bool has_date = false;
    bool has_time = false;
    int day = 0, month = 0, year = 0;
    int hour = 0, minute = 0, second = 0;
};

// What a failed rule looked at: the field, and the socket (1 or 2, 0 for
// none), so that a caller that is not the form can point at it.
enum class check_field {
    date,
    time,
    language,
    socket_type,
    locking,
    contactor,
    meter,
    imax,
    imax_s
};

struct check_failure {
    int caption_row = 0; // VT_CAPTION_ERROR or VT_CAPTION_WARNING
    std::string text;    // in the current interface language
    check_field field = check_field::date;
    int socket = 0;
};

// True when every rule passes (the date and time as read into *datetime); false at
// the first failed rule, with its message in *failure.
bool config_check(const station_config& config, checked_datetime* datetime, check_failure* failure);
