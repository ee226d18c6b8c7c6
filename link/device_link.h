#pragma once
// One device the process talks to, and everything that belongs to it: the
// program it speaks (speed, waits around the open, the trace's name), its
// open handle, who tells its outcomes, and whether it went away and is tried
// again. Every operation on a device is given its link; nothing of a port is
// held anywhere else. The window programs hold one link; the companion holds
// one per port it talks to.

#include "outcome.h"
#include "profile.h"
#include "serial.h"

#include <cstddef>
#include <cstdint>
#include <string>

enum { PORT_READ_SIZE = 256 };

// A reader that has not answered with at least 5 bytes once this much time has
// passed since the frame was written gets no further read: the exchange has
// failed. With the port's read time-outs a silent reader is given up after one
// empty read (2.61 s); the longest possible wait is this bound plus one read.
enum { LINK_REPLY_WAIT_MS = 2500 };

// A device that went away is tried again at most this often.
enum { LINK_RETRY_EVERY_MS = 1000 };

struct device_link {
    explicit device_link(const program_profile& speaks, teller* tells = nullptr)
        : profile(speaks), seat(tells) {}
    program_profile profile; // the program it speaks
    teller* seat = nullptr;  // tells its outcomes; nullptr: a quiet link
    serial_port port;        // the open device
    std::string device;      // the name it was last opened by: the one tried again
    bool away = false;       // the device went (a frame did not go out): tried again
    std::int64_t last_try_ms = 0;
    // How long an answer is waited for: one read asks for at most read_size
    // bytes (and so returns, under the port's time-outs, within 10 ms a byte
    // and 50 ms more), and a reader's reply gets no new read once
    // reply_wait_ms have passed. A probe sizes both to the device it asks.
    std::size_t read_size = PORT_READ_SIZE;
    int reply_wait_ms = LINK_REPLY_WAIT_MS;
};

// The one answer to "is it open".
bool link_is_open(const device_link& link);

// Tells an outcome through the link's teller (none: nobody is told) and
// hands it back, so that an operation can end with `return tell(link, o)`.
outcome tell(device_link& link, outcome o);

// Opens port n (1 and up) by its device name, with the profile's line and
// open waits. True when open and configured; the trace tells the outcome
// either way, with the system's reason when it did not open.
[[nodiscard]] bool link_open(device_link& link, int n);

// link_open by the device's own name ("\\.\COM5", "/dev/ttyUSB0").
[[nodiscard]] serial_open_outcome link_open_device(device_link& link, const char* name);

// True when the handle was closed, false when closing failed or none was open.
bool link_close(device_link& link);

// Drops what the device sent that nobody read.
void link_discard_input(device_link& link);

// One write of count bytes: true when all of them were taken.
[[nodiscard]] bool link_write(device_link& link, const std::uint8_t* bytes, std::size_t count);

// One read of up to read_size bytes (at most PORT_READ_SIZE) into buffer;
// *got is how many came. True when the read call succeeded.
[[nodiscard]] bool link_read(device_link& link, std::uint8_t* buffer, std::size_t* got);

// The device went (a frame it did not take): the port is closed, and tried
// again by link_try_back.
void link_gone(device_link& link);

// While the device is away, at most once every LINK_RETRY_EVERY_MS: true when
// it is back (opened again by its name, with the profile's waits). It is
// first tried without the waits, so that a device still away does not hold
// the caller for seconds each time.
bool link_try_back(device_link& link);

// The retrying ends (another port chosen).
void link_stop_retrying(device_link& link);

// The trace lines of the link's exchanges (trace.h), under its program's name.
void link_trace(const device_link& link, const char* direction, const std::uint8_t* bytes,
                std::size_t count, const char* outcome_text);

// The line of the link's profile: its speed, 8-N-1, no flow control, DTR and
// RTS on.
line_settings link_line(const device_link& link);
