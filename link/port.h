#pragma once
// Ports by number, as the technician names them and as the system opens them.

#include "serial.h"

#include <cstddef>
#include <string>

enum { COM_TYPED_PORT_MAX = 255 };

// The programs' lists of ports (the setup form's, the card writers' dialog)
// offer COM1 to COM32.
enum { COM_LIST_PORTS = 32 };

// "COM5": the name of port n as the programs show and store it.
std::string com_name(int n);

// A port as a technician types it: "COM14", "com14" or "14" (blanks around it
// allowed) is port 14, for 1 to COM_TYPED_PORT_MAX. False for anything else.
bool com_typed_port(const char* text, int* port);

// The device name of port n: "\\.\COM5", the device-namespace form, for
// every program and every port number.
// Writes at most size bytes, always terminated; false when n < 1 or the name
// does not fit.
[[nodiscard]] bool port_device_name(int n, char* out, std::size_t size);

// What a serial_open result means, in a few words ("not present").
const char* serial_open_text(serial_open_result result);
