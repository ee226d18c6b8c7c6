#include "clock_text.h"

#include <cstdio>

std::string clock_date(const local_time& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", t.day, t.month, t.year);
    return text;
}

std::string clock_time(const local_time& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return text;
}

std::string clock_stamp(const local_time& t) {
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %s", t.year, t.month, t.day,
                  clock_time(t).c_str());
    return text;
}
