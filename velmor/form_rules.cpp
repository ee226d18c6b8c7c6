#include "form_rules.h"

#include "form_layout.h"

#include "clock_text.h"
#include "form.h"
#include "language.h"
#include "port.h"
#include "settings.h"
#include "system.h"
#include "velmor_texts.h"

#include <string>
#include <vector>

const socket_controls k_socket_controls[2] = {
    {VC_TYPE_1, VC_LOCK_1, VC_CONTACTOR_1, VC_METER_1, VC_IMAX_1, VC_IMAXS_1},
    {VC_TYPE_2, VC_LOCK_2, VC_CONTACTOR_2, VC_METER_2, VC_IMAX_2, VC_IMAXS_2},
};

station_config form_values() {
    station_config c;
    c.date = form_text(VC_DATE);
    c.time = form_text(VC_TIME);
    c.station_language = form_list_index(VC_STATION_LANGUAGE);
    c.two_sockets = form_checked(VC_SOCKET2) != 0;
    c.operating_mode = form_list_index(VC_MODE);
    for (int n = 0; n < 2; ++n) {
        const socket_controls& k = k_socket_controls[n];
        socket_config& s = c.sockets[n];
        s.socket_type = form_list_index(k.type);
        s.locking_type = form_list_index(k.locking);
        s.contactor_control = form_list_index(k.contactor);
        s.meter_type = form_list_index(k.meter);
        s.imax_m3 = form_text(k.imax);
        s.imax_m3s = form_text(k.imaxs);
    }
    return c;
}

void form_put_socket(int n, const socket_config& s) {
    const socket_controls& k = k_socket_controls[n];
    form_set_list_index(k.type, s.socket_type);
    form_set_list_index(k.locking, s.locking_type);
    form_set_list_index(k.contactor, s.contactor_control);
    form_set_list_index(k.meter, s.meter_type);
    form_set_text(k.imax, s.imax_m3.c_str());
    form_set_text(k.imaxs, s.imax_m3s.c_str());
}

int form_port_number() {
    int index = form_list_index(VC_COM_PORT);
    return index < 0 ? 0 : index + 1;
}

void form_set_busy(bool busy) {
    form_enable(VC_WRITE, !busy);
    form_enable(VC_READ, !busy);
    form_enable(VC_REBOOT, !busy);
    if (busy)
        form_set_progress(VC_PROGRESS, 0);
    form_show(VC_PROGRESS, busy);
}

void form_socket2_changed() {
    const bool on = form_checked(VC_SOCKET2);
    const socket_controls& k = k_socket_controls[1];
    for (int control : {k.type, k.locking, k.contactor, k.meter, k.imax, k.imaxs, int(VC_MODE)})
        form_enable(control, on);
}

void form_meter_copy(int control) {
    if (form_list_index(VC_MODE) != MODE_ALTERNATE)
        return;
    if (control == VC_METER_2)
        form_set_list_index(VC_METER_1, form_list_index(VC_METER_2));
    else
        form_set_list_index(VC_METER_2, form_list_index(VC_METER_1));
}

namespace {
// The option lists of the form and what they show.
struct list_binding {
    int control;
    const option_list* list;
};
const list_binding k_lists[] = {
    {VC_STATION_LANGUAGE, &k_station_languages},
    {VC_MODE, &k_operating_modes},
    {VC_TYPE_1, &k_socket_types},
    {VC_TYPE_2, &k_socket_types},
    {VC_LOCK_1, &k_locking_types},
    {VC_LOCK_2, &k_locking_types},
    {VC_CONTACTOR_1, &k_contactor_controls},
    {VC_CONTACTOR_2, &k_contactor_controls},
    {VC_METER_1, &k_meter_types},
    {VC_METER_2, &k_meter_types},
};

const char* const k_ui_languages[] = {"Italiano", "English", "Español", "Français"};

// Fills a list with its entries in the current language, keeping the chosen
// one (or none).
void relist(const list_binding& b) {
    int chosen = form_list_index(b.control);
    std::vector<const char*> entries;
    for (int e = 0; e < b.list->count; ++e)
        entries.push_back(vtext(b.list->entries[e].label_row));
    form_set_list_entries(b.control, entries.data(), b.list->count);
    form_set_list_index(b.control, chosen);
}
} // namespace

namespace {
// What the program itself last put into the date and time fields. A field
// that still holds it was not edited by the technician.
struct clock_texts {
    std::string date, time;
};
clock_texts& filled_by_program() {
    static clock_texts texts;
    return texts;
}

void fill(int control, const std::string& text, std::string* record) {
    form_set_text(control, text.c_str());
    *record = text;
}
} // namespace

void form_fill_clock() {
    local_time t = sys_local_time();
    fill(VC_DATE, clock_date(t), &filled_by_program().date);
    fill(VC_TIME, clock_time(t), &filled_by_program().time);
}

void form_refresh_clock() {
    local_time t = sys_local_time();
    clock_texts& filled = filled_by_program();
    const std::string date = form_text(VC_DATE);
    if (!date.empty() && date == filled.date)
        fill(VC_DATE, clock_date(t), &filled.date);
    const std::string time = form_text(VC_TIME);
    if (!time.empty() && time == filled.time)
        fill(VC_TIME, clock_time(t), &filled.time);
}

void form_start_values() {
    std::vector<std::string> ports;
    for (int n = 1; n <= COM_LIST_PORTS; ++n)
        ports.push_back(com_name(n));
    std::vector<const char*> names;
    for (const auto& p : ports)
        names.push_back(p.c_str());
    form_set_list_entries(VC_COM_PORT, names.data(), static_cast<int>(names.size()));
    int port = settings_port();
    form_set_list_index(VC_COM_PORT, port >= 1 && port <= COM_LIST_PORTS ? port - 1 : -1);
    form_set_list_entries(VC_UI_LANGUAGE, k_ui_languages, LANGUAGE_COUNT);
    form_set_list_index(VC_UI_LANGUAGE, lang_get());
    for (const list_binding& b : k_lists) {
        relist(b);
        form_set_list_index(b.control, 0);
    }
    form_set_checked(VC_SOCKET1, true);
    form_set_checked(VC_SOCKET2, true);
    form_fill_clock();
}

void form_relabel(int index) {
    lang_set(index);
    for (int i = 0; i < k_form_control_count; ++i)
        if (k_form_controls[i].label_row >= 0)
            form_set_text(k_form_controls[i].control, vtext(k_form_controls[i].label_row));
    for (const list_binding& b : k_lists)
        relist(b);
    form_invalidate(false);
}
