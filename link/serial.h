#pragma once
// The serial device seam: the only calls that reach the operating system's
// serial interface. One device at a time per process. No message boxes here;
// every failure is returned to the caller.

#include <cstddef>
#include <cstdint>

// Opens the named device for exclusive synchronous use and applies the line
// settings (speed, 8 data bits, no parity, one stop bit; everything else left
// as the device had it) and the read/write time-outs of the link.
// 1 when open and configured, 0 otherwise (the device is then not open).
int serial_open(const char* name, unsigned speed);

// 1 when the open device was closed, 0 when closing failed or none was open.
int serial_close();

// 1 while a device is open.
int serial_is_open();

// One write of count bytes: 0 when the call succeeded, -1 when it failed.
int serial_write(const std::uint8_t* bytes, std::size_t count);

// One read of up to capacity bytes, returning under the link's time-outs with
// whatever came. 0 when the call succeeded, -1 when it failed; *got is the
// number of bytes read (0 on failure).
int serial_read(std::uint8_t* buffer, std::size_t capacity, std::size_t* got);
