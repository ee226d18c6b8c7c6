#pragma once
// The rules of the setup form: what it shows at the start and after a
// language switch, how its controls follow each other, and the configuration
// it stands for.

#include "controls.h"
#include "station_config.h"

// The configuration the form shows now.
station_config form_values();

// Fills the controls of socket n from s.
void form_put_socket(int n, const socket_config& s);

// The port number the COM port list stands for: entry index + 1, 0 for none.
int form_port_number();

// Disables Write, Read and Reboot (in that order) and shows the progress bar
// at 0; or enables the three buttons and hides the bar.
void form_set_busy(bool busy);

// The socket 2 check box was toggled: its seven controls (type, locking,
// contactor and meter lists, two current fields, operating-mode list) follow
// the box.
void form_socket2_changed();

// A list reported a command: in Alternate mode the meter of the other socket
// follows the meter of socket 1 (VC_MODE, VC_METER_1) or 2 (VC_METER_2).
void form_meter_copy(int control);

// The start values: every list at its first entry (the COM port list at the
// stored port, the interface language list at the language index), both
// check boxes on, date and time from the clock, the currents empty.
void form_start_values();

// Relabels the form in language `index`: labels, check boxes, titles and
// buttons, and the entries of every option list but the interface language
// and COM port lists, each keeping its chosen entry (or none).
void form_relabel(int index);

// The date and time fields from the clock ("%d/%m/%Y", "%H:%M:%S").
void form_fill_clock();

// Before a Write: each of the date and time fields that still holds what the
// program last filled in is filled from the clock again; a field the
// technician edited, or emptied, keeps its text.
void form_refresh_clock();
