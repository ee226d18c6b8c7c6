#pragma once
// The local date and time as the programs write them, each form in one place.

#include "system.h"

#include <string>

// "05/03/2019": the date as the forms show and the station takes it.
std::string clock_date(const local_time& t);

// "14:07:09"
std::string clock_time(const local_time& t);

// "2019-03-05 14:07:09": the moment of a record line (an audit, a log).
std::string clock_stamp(const local_time& t);
