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
    // Labels, titles and frames.
    VC_FRAME_DATETIME,
    VC_TITLE_SETTINGS,
    VC_LABEL_DATE,
    VC_LABEL_TIME,
    VC_FRAME_LANGUAGE,
    VC_TITLE_LANGUAGE,
    VC_LABEL_TYPE,
    VC_LABEL_LOCKING,
    VC_LABEL_CONTACTOR,
    VC_LABEL_METER,
    VC_LABEL_IMAX,
    VC_LABEL_IMAXS,
    VC_LABEL_MODE,
    VC_FRAME_SOCKET_1,
    VC_FRAME_SOCKET_2,
    VC_LABEL_COM_PORT,
    VC_LABEL_UI_LANGUAGE,
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

// The kinds of control of the form.
enum form_kind {
    KIND_FRAME,        // group box without caption
    KIND_LABEL_LEFT,   // static text
    KIND_LABEL_RIGHT,  // static text, right-aligned
    KIND_EDIT,         // single-line edit, centred, sunken edge
    KIND_LIST,         // drop-down list; h is the height with the list open
    KIND_CHECK,        // auto check box
    KIND_BUTTON,       // push button
    KIND_CLOCK_BUTTON, // push button showing bitmap 8002, sunken edge
    KIND_PROGRESS,     // progress bar, sunken edge, hidden, range 0 to 7
};

struct form_control_spec {
    int control; // logical id
    form_kind kind;
    int x, y, w, h;
    int id;        // identifier the control reports (0: none)
    int label_row; // its label row (velmor_texts.h), or -1
};

// The 42 controls in the order of their creation, which is the Tab order.
extern const form_control_spec k_form_controls[];
extern const int k_form_control_count;

// The start values: every list at its first entry (the COM port list at the
// stored port, the interface language list at the language index), both
// check boxes on, date and time from the clock, the currents empty.
void form_start_values();

// Relabels the form in language `index`: labels, check boxes, titles and
// buttons, and the entries of every option list but the interface language
// and COM port lists, each keeping its chosen entry (or none).
void form_relabel(int index);

// The dispatcher of the form's commands.
void velmor_command(int id);

// The date and time fields from the clock ("%d/%m/%Y", "%H:%M:%S").
void form_fill_clock();

// Before a Write: each of the date and time fields that still holds what the
// program last filled in is filled from the clock again; a field the
// technician edited, or emptied, keeps its text.
void form_refresh_clock();
