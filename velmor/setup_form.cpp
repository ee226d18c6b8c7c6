#include "setup_form.h"

#include "form.h"

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

void form_set_busy(int busy) {
    form_enable(VC_WRITE, !busy);
    form_enable(VC_READ, !busy);
    form_enable(VC_REBOOT, !busy);
    if (busy)
        form_set_progress(VC_PROGRESS, 0);
    form_show(VC_PROGRESS, busy);
}

void form_socket2_changed() {
    int on = form_checked(VC_SOCKET2);
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
