#pragma once
// The one serial port of the process, as the programs see it.

#include <cstddef>
#include <cstdint>

enum { PORT_READ_SIZE = 256 };

// Opens port n (1 and up) by the device name of the active profile, with its
// speed and open waits. True when open and configured.
[[nodiscard]] bool port_open(int n);

// True when the handle was closed, false when closing failed.
bool port_close();

// One write of count bytes: true when all of them were taken.
[[nodiscard]] bool port_write(const std::uint8_t* bytes, std::size_t count);

// One read of up to 256 bytes into buffer; *got is how many came. True when
// the read call succeeded. Bytes past what came keep their earlier contents.
[[nodiscard]] bool port_read(std::uint8_t* buffer, std::size_t* got);

// The device name of port n under the active profile ("COM5", "\\.\COM12").
// Writes at most size bytes, always terminated; false when n < 1 or the name
// does not fit.
[[nodiscard]] bool port_device_name(int n, char* out, std::size_t size);

// Card writers: the configured port is open (set by settings_load, the COM
// port dialog and settings_save).
bool port_open_flag();
void set_port_open_flag(bool open);
