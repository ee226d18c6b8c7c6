#pragma once
// The three operations of the setup form's buttons: read the station's
// configuration into the form, write the form to the station, reboot it.
// Each opens the port for its own duration and leaves it closed.

enum {
    PAUSE_AFTER_OPEN_MS = 200,
    PAUSE_BETWEEN_MS = 250,
    PAUSE_AFTER_SOCKET_1_MS = 300,
    PAUSE_BEFORE_CLOSE_MS = 200,
};

void station_read();
void station_write();
void station_reboot();
