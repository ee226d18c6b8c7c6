#pragma once
// The serial ports of this machine, and what the technician types for one.

#include <string>
#include <vector>

struct listed_port {
    std::string name;        // as the technician types it: "COM7", "/dev/ttyUSB0"
    std::string device;      // as it is opened: "\\.\COM7", "/dev/ttyUSB0"
    std::string description; // "USB Serial Port (FTDI)", or "" when the system has none
    std::string maker;       // "FTDI", or "" when the system does not say
};

// The ports present, in order (COM1 before COM10).
std::vector<listed_port> list_ports();

// True when the port is there to be opened (its device exists), asked
// without opening it for use.
bool port_present(const listed_port& port);

// True where ports are COM numbers (Windows, and Wine), false where they are
// device paths.
bool ports_are_com_numbers();

// A port named on the command line: with COM numbers "COM7", "com7" or "7";
// otherwise a device path. False with *error when the text names no port.
bool port_from_text(const std::string& text, bool com_numbers, listed_port* port,
                    std::string* error);

// The COM number of a port name ("COM7": 7), 0 when it has none.
int com_number_of(const std::string& name);
