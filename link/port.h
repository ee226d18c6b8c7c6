#pragma once
// The one serial port of the process, as the programs see it.

#include <cstddef>
#include <cstdint>

enum { PORT_READ_SIZE = 256 };

// Opens port n (1 and up) by the device name of the active profile, with its
// speed and open waits. 1 when open and configured, 0 otherwise.
int port_open(int n);

// 1 when the handle was closed, 0 when closing failed.
int port_close();

// One write of count bytes: 0 on success, -1 on failure.
int port_write(const std::uint8_t* bytes, std::size_t count);

// One read of up to 256 bytes into buffer: 0 on success, -1 on failure. Bytes
// past what came keep their earlier contents.
int port_read(std::uint8_t* buffer);

// As port_read, and tells how many bytes came.
int port_read_counted(std::uint8_t* buffer, std::size_t* got);

// The device name of port n under the active profile ("COM5", "\\.\COM12").
// Writes at most size bytes, always terminated; returns 0, or -1 when n < 1.
int port_device_name(int n, char* out, std::size_t size);
