#pragma once
// The serial device seam: the only calls that reach the operating system's
// serial interface. Each open device is a serial_port of its own; no message
// boxes here, every failure is returned to the caller.

#include <cstddef>
#include <cstdint>

// The whole line as the link wants it, whatever another program left the
// port with: a port left in XON/XOFF mode would swallow every 0x13 of a
// reply and stall the next write.
struct line_settings {
    unsigned speed = 0; // bit/s
    int data_bits = 8;
    bool parity = false;
    int stop_bits = 1;
    bool xon_xoff = false;
    bool cts_flow = false;
    bool dsr_flow = false;
    bool dtr_on = true;
    bool rts_on = true;
};

// Why a device did or did not open.
enum serial_open_result {
    SERIAL_OPENED,
    SERIAL_NOT_PRESENT,      // no such device (the adapter is not plugged in)
    SERIAL_IN_USE,           // another program holds it
    SERIAL_ACCESS_DENIED,    // refused; on Windows also a port another program holds
    SERIAL_SETTINGS_REFUSED, // opened, but the line settings or time-outs were refused
    SERIAL_OPEN_FAILED,      // any other reason
};

struct serial_open_outcome {
    serial_open_result result = SERIAL_OPEN_FAILED;
    unsigned long system_error = 0; // the system's own error number, 0 when none
};

// The system's handle of one open device (a HANDLE on Windows, a file
// descriptor elsewhere); SERIAL_NONE when none is open. Only the seam reads
// it: whether a device is open is asked of the link that holds it
// (link_is_open, device_link.h).
enum : std::intptr_t { SERIAL_NONE = -1 };
struct serial_port {
    std::intptr_t handle = SERIAL_NONE;
};

// Opens the named device for exclusive synchronous use, applies `line` and
// the read/write time-outs of the link. A device the port held is closed
// first. Unless the result is SERIAL_OPENED, the port holds no device
// afterwards.
[[nodiscard]] serial_open_outcome serial_open(serial_port& port, const char* name,
                                              const line_settings& line);

// True when the device was closed; false when closing failed or none was
// open. Either way the port holds no device afterwards: a handle whose close
// failed is of no more use.
bool serial_close(serial_port& port);

// Drops whatever the device sent that nobody has read yet (a reply that came
// after its wait).
void serial_discard_input(serial_port& port);

// One write of count bytes: true when all of them were taken.
[[nodiscard]] bool serial_write(serial_port& port, const std::uint8_t* bytes, std::size_t count);

// One read of up to capacity bytes, returning under the link's time-outs with
// whatever came. True when the call succeeded; *got is the number of bytes
// read (0 on failure).
[[nodiscard]] bool serial_read(serial_port& port, std::uint8_t* buffer, std::size_t capacity,
                               std::size_t* got);
