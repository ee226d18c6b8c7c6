#pragma once
// The one serial port of the process, as the programs see it.

#include "serial.h"

#include <cstddef>
#include <cstdint>

enum { PORT_READ_SIZE = 256, COM_TYPED_PORT_MAX = 255 };

// Opens port n (1 and up) by the device name of the active profile, with its
// line and open waits. True when open and configured; the trace tells the
// outcome either way, with the system's reason when it did not open.
[[nodiscard]] bool port_open(int n);

// port_open by the device's own name ("\\.\COM5", "/dev/ttyUSB0"), with the
// same waits and trace line; the outcome says why it did not open.
[[nodiscard]] serial_open_outcome port_open_device(const char* name);

// True when the handle was closed, false when closing failed.
bool port_close();

// Drops what the device sent that nobody read.
void port_discard_input();

// One write of count bytes: true when all of them were taken.
[[nodiscard]] bool port_write(const std::uint8_t* bytes, std::size_t count);

// One read of up to 256 bytes into buffer; *got is how many came. True when
// the read call succeeded. Bytes past what came keep their earlier contents.
[[nodiscard]] bool port_read(std::uint8_t* buffer, std::size_t* got);

// A port as a technician types it: "COM14", "com14" or "14" (blanks around it
// allowed) is port 14, for 1 to COM_TYPED_PORT_MAX. False for anything else.
bool com_typed_port(const char* text, int* port);

// The device name of port n: "\\.\COM5", the device-namespace form, for
// every program and every port number.
// Writes at most size bytes, always terminated; false when n < 1 or the name
// does not fit.
[[nodiscard]] bool port_device_name(int n, char* out, std::size_t size);

// Card writers: the configured port, the one that stays open between
// exchanges. The flag is set only when port_open succeeded and cleared only
// when port_close did: these two are the only ways it changes.
bool port_open_flag();
// Opens port n as the configured port; true (and the flag set) when it opened.
[[nodiscard]] bool configured_port_open(int n);
// Closes the configured port when the flag is set.
void configured_port_close();
// For the tests: the flag as a test needs it.
void set_port_open_flag(bool open);

// The line of the active profile: its speed, 8-N-1, no flow control, DTR and
// RTS on.
line_settings port_line();

// What a serial_open result means, in a few words ("not present").
const char* serial_open_text(serial_open_result result);
