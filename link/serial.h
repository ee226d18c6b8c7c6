#pragma once
// The serial device seam: the only calls that reach the operating system's
// serial interface. One device at a time per process. No message boxes here;
// every failure is returned to the caller.

#include <cstddef>
#include <cstdint>

// Opens the named device for exclusive synchronous use and applies the line
// settings (speed, 8 data bits, no parity, one stop bit; everything else left
// as the device had it) and the read/write time-outs of the link. True when
// open and configured (otherwise the device is not open).
[[nodiscard]] bool serial_open(const char* name, unsigned speed);

// True when the open device was closed; false when closing failed or none was
// open.
bool serial_close();

// True while a device is open.
bool serial_is_open();

// One write of count bytes: true when all of them were taken.
[[nodiscard]] bool serial_write(const std::uint8_t* bytes, std::size_t count);

// One read of up to capacity bytes, returning under the link's time-outs with
// whatever came. True when the call succeeded; *got is the number of bytes
// read (0 on failure).
[[nodiscard]] bool serial_read(std::uint8_t* buffer, std::size_t capacity, std::size_t* got);
