#include "config_check.h"

#include "velmor_texts.h"

#include <cstdio>

namespace {
bool in(int v, int low, int high) {
    return v >= low && v <= high;
}

bool date_ok(const std::string& t, checked_datetime* dt) {
    if (t.size() != 10 || t[2] != '/' || t[5] != '/')
        return false;
    // Width-limited conversions cannot overflow; the formats are binding.
    // NOLINTNEXTLINE(cert-err34-c)
    if (std::sscanf(t.c_str(), "%2d/%2d/%4d", &dt->day, &dt->month, &dt->year) != 3)
        return false;
    return in(dt->day, 1, 31) && in(dt->month, 1, 12) && in(dt->year, 2013, 2100);
}

bool time_ok(const std::string& t, checked_datetime* dt) {
    if (t.size() != 8 || t[2] != ':' || t[5] != ':')
        return false;
    // Width-limited conversions cannot overflow; the formats are binding.
    // NOLINTNEXTLINE(cert-err34-c)
    if (std::sscanf(t.c_str(), "%2d:%2d:%2d", &dt->hour, &dt->minute, &dt->second) != 3)
        return false;
    return in(dt->hour, 0, 23) && in(dt->minute, 0, 59) && in(dt->second, 0, 59);
}

bool locking_refused(const socket_config& s) {
    return (s.socket_type == TYPE_DOMESTIC && s.locking_type == LOCK_TWO) ||
           (s.socket_type == TYPE_1 && s.locking_type != LOCK_NONE);
}

bool mirror_refused(const socket_config& s) {
    return s.contactor_control == CONTACTOR_MIRROR && s.meter_type == METER_PULSE;
}

bool current_ok(const std::string& text, int low, int high) {
    int v = 0;
    return read_current(text, &v) && in(v, low, high);
}

bool fail(check_failure* f, int caption, const std::string& text) {
    f->caption_row = caption;
    f->text = text;
    return false;
}

// The current message: its "%d %s %d %d" filled in order with the socket
// number, the suffix and the bounds.
bool fail_current(check_failure* f, int socket, const char* suffix, int low, int high) {
    const std::string args[] = {std::to_string(socket), suffix, std::to_string(low),
                                std::to_string(high)};
    std::string text;
    std::size_t next = 0;
    for (const char* p = vtext(VT_MSG_CURRENT); *p; ++p) {
        if (p[0] == '%' && (p[1] == 'd' || p[1] == 's') && next < 4) {
            text += args[next++];
            ++p;
        } else {
            text += *p;
        }
    }
    return fail(f, VT_CAPTION_ERROR, text);
}
} // namespace

bool config_check(const station_config& c, checked_datetime* dt, check_failure* failure) {
    checked_datetime d;
    d.has_date = !c.date.empty();
    d.has_time = !c.time.empty();
    if (d.has_date && !date_ok(c.date, &d))
        return fail(failure, VT_CAPTION_ERROR, vtext(VT_MSG_DATETIME));
    if (d.has_time && !time_ok(c.time, &d))
        return fail(failure, VT_CAPTION_ERROR, vtext(VT_MSG_DATETIME));

    const socket_config& s1 = c.sockets[0];
    const socket_config& s2 = c.sockets[1];
    // Socket 2 counts only while it is switched on: a one-socket Write sends
    // nothing of it, so what its disabled lists hold cannot refuse the Write.
    if (locking_refused(s1) || (c.two_sockets && locking_refused(s2)))
        return fail(failure, VT_CAPTION_WARNING, vtext(VT_MSG_LOCKING));

    for (int n = 0; n < (c.two_sockets ? 2 : 1); ++n) {
        if (!current_ok(c.sockets[n].imax_m3, 6, 63))
            return fail_current(failure, n + 1, "", 6, 63);
        if (!current_ok(c.sockets[n].imax_m3s, 6, 16))
            return fail_current(failure, n + 1, "-S", 6, 16);
    }

    if (mirror_refused(s1) || (c.two_sockets && mirror_refused(s2)))
        return fail(failure, VT_CAPTION_WARNING, vtext(VT_MSG_MIRROR));
    *dt = d;
    return true;
}
