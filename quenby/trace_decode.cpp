#include "trace_decode.h"

#include "station_words.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

struct trace_decoder::frame_line {
    bool command = false; // what the program sent (else what the device answered)
    std::string program;  // "" in a simulator's log
    bool bad_frame = false;
    byte_string bytes;
};

namespace {
bool is_hex_pair(const std::string& t) {
    return t.size() == 2 && std::isxdigit(static_cast<unsigned char>(t[0])) &&
           std::isxdigit(static_cast<unsigned char>(t[1]));
}

bool is_number(const std::string& t, bool fraction) {
    if (t.empty())
        return false;
    bool dot = false;
    for (char c : t) {
        if (c == '.' && fraction && !dot)
            dot = true;
        else if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

// "2026-12-08 04:30:12.345 " at the start: its length, else 0.
std::size_t date_prefix(const std::string& line) {
    const char* shape = "dddd-dd-dd dd:dd:dd";
    std::size_t i = 0;
    for (; shape[i]; ++i) {
        if (i >= line.size())
            return 0;
        const bool digit = std::isdigit(static_cast<unsigned char>(line[i])) != 0;
        if (shape[i] == 'd' ? !digit : line[i] != shape[i])
            return 0;
    }
    while (i < line.size() && line[i] != ' ')
        ++i;
    return i < line.size() ? i + 1 : 0;
}

std::vector<std::string> words_of(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

void take_hex(const std::vector<std::string>& tokens, std::size_t from, byte_string* out) {
    for (std::size_t i = from; i < tokens.size() && is_hex_pair(tokens[i]); ++i)
        out->push_back(static_cast<std::uint8_t>(std::strtoul(tokens[i].c_str(), nullptr, 16)));
}
} // namespace

namespace {
// The words may quote the device's bytes, and a debug line may hold an
// escaped line end: a control byte is shown as \xHH, so that each line
// decoded stays one line.
std::string one_line(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if ((b < 0x20 && b != '\t') || b == 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}
} // namespace

std::string unwrap_debug_line(const std::string& line) {
    const std::string mark = "OutputDebugStringA \"";
    const std::size_t at = line.find(mark);
    const std::size_t end = line.rfind('"');
    if (at == std::string::npos || end <= at + mark.size() - 1)
        return line;
    std::string out;
    for (std::size_t i = at + mark.size(); i < end; ++i) {
        if (line[i] != '\\' || i + 1 >= end) {
            out += line[i];
            continue;
        }
        const char c = line[++i];
        out += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r'))
        out.pop_back();
    return out;
}

trace_decoder::trace_decoder(const card_layout* layout) {
    if (layout) {
        layout_given_ = true;
        layout_ = *layout;
    }
}

std::string trace_decoder::words(const frame_line& f) {
    if (!layout_given_ && !f.program.empty())
        layout_ = f.program == "tandor-classic" ? card_layout::classic : card_layout::tandor;
    // In a simulator's log a command tells the device by its bytes, an
    // answer by the command before it; an answer before any command (a log
    // cut at its start) by its own bytes.
    const bool station = !f.program.empty()            ? f.program == "velmor"
                         : f.command || !command_seen_ ? !looks_like_reader_frame(f.bytes)
                                                       : last_was_station_;
    if (f.command) {
        last_was_station_ = station;
        command_seen_ = true;
    }
    if (station && f.command) {
        station_asked_ = f.bytes;
        return station_command_words(f.bytes);
    }
    if (station)
        return station_answer_words(f.bytes, station_asked_);
    if (f.command)
        return reader_command_words(f.bytes, layout_, &reader_asked_);
    return reader_reply_words(f.bytes, reader_asked_, layout_);
}

std::string trace_decoder::decode(const std::string& raw) {
    std::string line = unwrap_debug_line(raw);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    const std::vector<std::string> t = words_of(line.substr(date_prefix(line)));
    frame_line f;
    std::size_t hex_from = 0;
    if (t.size() >= 2 && is_number(t[0], true) &&
        (t[1] == "RX" || t[1] == "TX" || t[1] == "RX-BAD")) { // a simulator's log
        f.command = t[1] != "TX";
        f.bad_frame = t[1] == "RX-BAD";
        hex_from = 2;
    } else if (t.size() >= 3 && is_number(t[1], false) && (t[2] == "TX" || t[2] == "RX")) {
        f.program = t[0];
        f.command = t[2] == "TX";
        hex_from = 3;
    } else {
        return one_line(line);
    }
    take_hex(t, hex_from, &f.bytes);
    return one_line(line + "  = " + words(f));
}

namespace {
// The next line of `in` without its line end, kept to `most` characters
// (*cut when there were more); false at the end of the input.
bool bounded_line(std::istream& in, std::string* line, std::size_t most, bool* cut) {
    line->clear();
    *cut = false;
    std::streambuf* from = in.rdbuf();
    for (bool any = false;; any = true) {
        const int c = from->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            in.setstate(std::ios::eofbit);
            return any;
        }
        if (c == '\n')
            return true;
        if (line->size() < most)
            line->push_back(static_cast<char>(c));
        else
            *cut = true;
    }
}
} // namespace

void decode_lines(std::istream& in, std::ostream& out, trace_decoder& decoder) {
    std::string line;
    bool cut = false;
    while (bounded_line(in, &line, TRACE_LINE_MOST, &cut))
        out << (cut ? "(a line longer than " + std::to_string(TRACE_LINE_MOST) +
                          " bytes: no trace line, passed over)"
                    : decoder.decode(line))
            << '\n';
}
