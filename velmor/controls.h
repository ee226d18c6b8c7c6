#pragma once
// The controls of the setup form by id, and those of each socket.

#include "velmor_ids.h"

// The controls of one socket (0 or 1).
struct socket_controls {
    int type, locking, contactor, meter, imax, imaxs;
};
extern const socket_controls k_socket_controls[2];
