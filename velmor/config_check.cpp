#include "config_check.h"

#include "text_number.h"
#include "velmor_texts.h"

#include <cstdio>

namespace {
bool in(int v, int low, int high) {
    return v >= low && v <= high;
}

bool date_ok(const std::string& t, checked_datetime* dt) {
    return t.size() == 10 && date_text_at(t.c_str(), &dt->day, &dt->month, &dt->year) &&
           in(dt->year, 2013, 2100);
}

// Two decimal digits at t[at].
bool two_digits(const std::string& t, std::size_t at, int* value) {
    return ::two_digits(t.c_str() + at, value);
}

bool time_ok(const std::string& t, checked_datetime* dt) {
    return t.size() == 8 && t[2] == ':' && t[5] == ':' && two_digits(t, 0, &dt->hour) &&
           two_digits(t, 3, &dt->minute) && two_digits(t, 6, &dt->second) && in(dt->hour, 0, 23) &&
           in(dt->minute, 0, 59) && in(dt->second, 0, 59);
}

// A list left with no entry chosen (a code read from a station that no list
// holds): the row of its "choose ..." text and the field, or -1 when every
// list has one.
int unchosen_list(const socket_config& s, check_field* field) {
    const struct {
        int index;
        int row;
        check_field field;
    } lists[] = {{s.socket_type, VT_MSG_CHOOSE_TYPE, check_field::socket_type},
                 {s.locking_type, VT_MSG_CHOOSE_LOCKING, check_field::locking},
                 {s.contactor_control, VT_MSG_CHOOSE_CONTACTOR, check_field::contactor},
                 {s.meter_type, VT_MSG_CHOOSE_METER, check_field::meter}};
    for (const auto& list : lists)
        if (list.index == LIST_UNSET) {
            *field = list.field;
            return list.row;
        }
    return -1;
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

bool fail(check_failure* f, int caption, const std::string& text, check_field field,
          int socket = 0) {
    f->caption_row = caption;
    f->text = text;
    f->field = field;
    f->socket = socket;
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
    return fail(f, VT_CAPTION_ERROR, text, suffix[0] ? check_field::imax_s : check_field::imax,
                socket);
}
} // namespace

bool config_check(const station_config& c, checked_datetime* dt, check_failure* failure) {
    checked_datetime d;
    d.has_date = !c.date.empty();
    d.has_time = !c.time.empty();
    if (d.has_date && !date_ok(c.date, &d))
        return fail(failure, VT_CAPTION_ERROR, vtext(VT_MSG_DATETIME), check_field::date);
    if (d.has_time && !time_ok(c.time, &d))
        return fail(failure, VT_CAPTION_ERROR, vtext(VT_MSG_DATETIME), check_field::time);

    // Nothing is sent back as another option than the one read.
    if (c.station_language == LIST_UNSET)
        return fail(failure, VT_CAPTION_WARNING, vtext(VT_MSG_CHOOSE_LANGUAGE),
                    check_field::language);
    for (int n = 0; n < (c.two_sockets ? 2 : 1); ++n) {
        check_field field = check_field::socket_type;
        if (const int row = unchosen_list(c.sockets[n], &field); row >= 0) {
            return fail(failure, VT_CAPTION_WARNING,
                        vtext_with(VT_MSG_SOCKET_N, n + 1) + ": " + vtext(row), field, n + 1);
        }
    }

    const socket_config& s1 = c.sockets[0];
    const socket_config& s2 = c.sockets[1];
    // Socket 2 counts only while it is switched on: a one-socket Write sends
    // nothing of it, so what its disabled lists hold cannot refuse the Write.
    if (locking_refused(s1) || (c.two_sockets && locking_refused(s2)))
        return fail(failure, VT_CAPTION_WARNING, vtext(VT_MSG_LOCKING), check_field::locking,
                    locking_refused(s1) ? 1 : 2);

    for (int n = 0; n < (c.two_sockets ? 2 : 1); ++n) {
        if (!current_ok(c.sockets[n].imax_m3, 6, 63))
            return fail_current(failure, n + 1, "", 6, 63);
        if (!current_ok(c.sockets[n].imax_m3s, 6, 16))
            return fail_current(failure, n + 1, "-S", 6, 16);
    }

    if (mirror_refused(s1) || (c.two_sockets && mirror_refused(s2)))
        return fail(failure, VT_CAPTION_WARNING, vtext(VT_MSG_MIRROR), check_field::contactor,
                    mirror_refused(s1) ? 1 : 2);
    *dt = d;
    return true;
}
