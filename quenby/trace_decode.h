#pragma once
// Reads a recorded trace line by line and says what each frame means. It
// takes the programs' own trace lines ("tandor 1234 TX 01 46 ... |...| sent"),
// the same lines as recorded by `quenby log` (a date and time before them) or
// by Wine's debug channel (OutputDebugStringA "..."), and the simulators'
// logs ("0.250 RX 01 46 ...", where RX is what the device received).

#include "reader_words.h"

#include <istream>
#include <ostream>
#include <string>

class trace_decoder {
  public:
    // With a layout given, card blocks are read in it; otherwise in the one
    // of the program that wrote the line (the classic writer's or tandor's).
    explicit trace_decoder(const card_layout* layout = nullptr);

    // The line, unwrapped, with "  = " and its meaning after it when it
    // carries a frame; other lines as they are.
    std::string decode(const std::string& line);

  private:
    struct frame_line;
    std::string words(const frame_line& f);

    bool layout_given_ = false;
    card_layout layout_ = card_layout::tandor;
    reader_command reader_asked_;
    byte_string station_asked_;
    bool last_was_station_ = false;
    bool command_seen_ = false;
};

// The longest line read whole: a trace line is a frame of at most 256 bytes
// written out, well under this. Longer lines (not a trace) are passed over
// with a note, so that memory stays bounded by this whatever the file holds.
enum { TRACE_LINE_MOST = 64 * 1024 };

// Every line of `in` decoded onto `out`, one line each.
void decode_lines(std::istream& in, std::ostream& out, trace_decoder& decoder);

// The text of a Wine debug-channel line's string ("...\n" unescaped), or the
// line itself when it is none.
std::string unwrap_debug_line(const std::string& line);
