#pragma once
// The three operations of the setup form's buttons: read the station's
// configuration, write a configuration to the station, reboot it. Each opens
// the port for its own duration, leaves it closed, and stores the port number
// it was given as the setting. They know nothing of the form: what they read
// and how far they are comes back through a station_observer.

#include "device_link.h"
#include "station_config.h"

#include <cstddef>
#include <cstdint>

enum {
    PAUSE_AFTER_OPEN_MS = 200,
    PAUSE_BETWEEN_MS = 250,
    PAUSE_AFTER_SOCKET_1_MS = 300,
    PAUSE_BEFORE_CLOSE_MS = 200,
    PAUSE_BEFORE_CHECK_MS = 200, // after a Write's closing command, before it is asked back
    PROGRESS_STEPS = 7,
};

// What an operation reports while it runs, in the order it happens.
class station_observer {
  public:
    virtual ~station_observer() = default;
    // Read and Write: the operation has started, at step 0 (true), or ended
    // (false).
    virtual void busy(bool on) = 0;
    // Read and Write: how far, 0 to PROGRESS_STEPS.
    virtual void progress(int step) = 0;
    // Read: each answer as it is taken.
    virtual void language_read(int index) = 0;
    virtual void count_read(bool two_sockets, int operating_mode) = 0;
    virtual void socket_read(int n, const socket_config& socket) = 0;
    // Read: each answer as it came, before it is taken (query "L", "N",
    // "P1", "P2"), for a caller that keeps what no list holds.
    virtual void answered(const char* query, const std::uint8_t* answer, std::size_t count) {
        (void)query, (void)answer, (void)count;
    }
};

// Where an operation finds the station: the form's port number, or (for the
// companion on the command line) a device by its own name, "/dev/ttyUSB0".
struct station_line {
    station_line(int port) : number(port) {} // NOLINT(google-explicit-constructor)
    explicit station_line(const char* name) : device(name) {}
    int number = 0;               // 1 and up; 0: none chosen
    const char* device = nullptr; // when set, opened by this name and not stored
};

// Each operation runs on the link it is given: it opens the link's port for
// its own duration, tells each of its outcomes through the link as it
// happens (in the window, a box; the operation waits for it), and returns
// the one it ended with: done only when the whole operation was.

// Reads the language, the socket count and both sockets. `shown` is what the
// form holds: a socket answer whose currents do not read leaves them empty,
// and an answer that carries no known value changes nothing. The form is told
// what was read when the Read ends; a station that answers nothing at all
// ends it at once with "The station does not answer", the form as it was
// (after a one-socket count, a silent socket 2 keeps what was read).
outcome station_read(device_link& link, const station_line& port, const station_config& shown,
                     station_observer& observer);

// Checks the configuration (a refusal tells its message and sends nothing),
// then writes it: date and time (when given), language, socket count, socket
// 1, socket 2 (when switched on), the closing command; then asks the station
// back with the Read's queries and pauses and, when it does not hold what was
// sent, says so and names what differs; a question it does not answer ends
// the check with "The station does not answer". Done only when the station
// holds what was sent.
outcome station_write(device_link& link, const station_line& port, const station_config& config,
                      station_observer& observer);

// Sends the reboot command.
outcome station_reboot(device_link& link, const station_line& port);
