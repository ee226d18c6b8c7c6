#pragma once
// The controls of the setup form as the station core sees them, and the form
// rules that tie them together.

#include "station_config.h"

enum velmor_control {
    // Identifiers the controls report their commands with.
    VC_WRITE = 100,
    VC_REBOOT = 200,
    VC_SOCKET2 = 300,
    VC_READ = 400,
    VC_UI_LANGUAGE = 500,
    VC_TYPE_1 = 620,
    VC_TYPE_2 = 630,
    VC_MODE = 650,
    VC_METER_1 = 670,
    VC_METER_2 = 671,
    VC_CLOCK = 700,
    // Controls whose commands nobody handles.
    VC_DATE = 901,
    VC_TIME,
    VC_STATION_LANGUAGE,
    VC_LOCK_1,
    VC_CONTACTOR_1,
    VC_IMAX_1,
    VC_IMAXS_1,
    VC_LOCK_2,
    VC_CONTACTOR_2,
    VC_IMAX_2,
    VC_IMAXS_2,
    VC_COM_PORT,
    VC_PROGRESS,
    VC_SOCKET1,
};

// The controls of one socket (0 or 1).
struct socket_controls {
    int type, locking, contactor, meter, imax, imaxs;
};
extern const socket_controls k_socket_controls[2];

enum { PROGRESS_MAX = 7 };

// The configuration the form shows now.
station_config form_values();

// Fills the controls of socket n from s.
void form_put_socket(int n, const socket_config& s);

// The port number the COM port list stands for: entry index + 1, 0 for none.
int form_port_number();

// Disables Write, Read and Reboot (in that order) and shows the progress bar
// at 0; or enables the three buttons and hides the bar.
void form_set_busy(int busy);

// The socket 2 check box was toggled: its seven controls (type, locking,
// contactor and meter lists, two current fields, operating-mode list) follow
// the box.
void form_socket2_changed();

// A list reported a command: in Alternate mode the meter of the other socket
// follows the meter of socket 1 (VC_MODE, VC_METER_1) or 2 (VC_METER_2).
void form_meter_copy(int control);
