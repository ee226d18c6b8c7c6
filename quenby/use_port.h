#pragma once
// `ports --probe --use`: the port found stored as the programs store it.

#include "probe.h"

#include <string>

// Stores "COMn" as "Port" under the settings key of the program that uses
// the device found (the card writers' or velmor's). *said tells what was
// done or why not; true when stored.
bool use_found_port(probe_found found, int com, std::string* said);
