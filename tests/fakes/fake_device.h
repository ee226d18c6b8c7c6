#pragma once
// Fakes of the serial, clock and message-box seams for native unit tests.
// Each call is also logged in the event log: "open COM1", "write 4C 0D",
// "read", "sleep 250", "close", "box Errore|Debug: ...".
// A scripted read hands back its bytes and advances the fake clock by its
// duration; once the script is used up the line is silent, each read taking
// the port's time-out for what it asked (10 ms a byte, 50 ms more) with
// nothing.

#include "device_link.h"
#include "outcome.h"
#include "serial.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace fake {

// One log of what the fakes were asked to do, in order, shared by the fake
// device, form and store so that tests can check how their calls interleave.
std::vector<std::string>& events();
// The events of one kind ("write", "sleep", ...), without the kind.
std::vector<std::string> events_of(const std::string& kind);
// The whole log as one text, the events separated by "; ".
std::string log_text();

using bytes = std::vector<std::uint8_t>;

struct read_step {
    read_step(bytes d = {}, int m = 0, bool f = false) : data(std::move(d)), ms(m), fail(f) {}
    bytes data;
    int ms = 0;
    bool fail = false;           // the read call itself fails
    std::function<bytes()> make; // when set, the data is made at the read (from what was written)
};

struct local_time_value {
    int year, month, day, hour, minute, second;
};

enum { SILENT_READ_MS = 50 + 10 * 256 };

struct device {
    // serial
    bool open_succeeds = true;
    serial_open_outcome open_failure{SERIAL_NOT_PRESENT, 2}; // when the open does not succeed
    bool is_open = false;                                    // a link holds it open
    bool write_fails = false;
    int writes_before_failing = -1;   // when >= 0, writes past this many fail
    std::vector<line_settings> lines; // the line asked for with each open
    std::vector<bytes> writes;
    std::vector<read_step> reads; // consumed from the front
    bytes unread;                 // came earlier and nobody read it: the next read gets it first
    int discards = 0;             // how often the input was discarded
    std::vector<std::size_t> read_sizes; // what each read of the silent line asked for
    // clock
    std::int64_t now = 1000;
    // run while a message box is "open" (as the timer would in its loop)
    std::function<void()> on_message;
    // run at each open, before it succeeds or not (a device that comes back)
    std::function<void()> on_open;
    // the lines sent to a debug-output viewer
    std::vector<std::string> debug_lines;
    // the local time the clock gives
    local_time_value local{2019, 3, 5, 14, 7, 9};
};

// The handle of a port the fake device holds open.
enum : std::intptr_t { OPEN_HANDLE = 7 };

// A link open on the fake device, as a program holds it after a good open.
void open(device_link& link);

// The window's teller (box_teller.h), every outcome also kept: each shows
// its box on the fake message box ("box caption|text" in the log, on_message
// run while it is open).
class recording_teller : public teller {
  public:
    explicit recording_teller(text_lookup program_text = nullptr) : text_(program_text) {}
    void tell(const outcome& o) override;
    std::vector<outcome> told;

  private:
    text_lookup text_;
};

// The one fake device of the test process, reset by reset().
device& dev();
void reset();

void script_read(const bytes& data, int ms = 10);
void script_read_fail(int ms = 0);

// "4C 46 52 0D"
std::string hex(const bytes& data);

} // namespace fake
