#pragma once
// `ports --probe --use`: the port found stored as the programs store it.

#include "probe.h"

// Stores "COMn" as "Port" under the settings key of the program that uses
// the device found (the card writers' or velmor's), and says what was done.
port_stored use_found_port(probe_found found, int com);
