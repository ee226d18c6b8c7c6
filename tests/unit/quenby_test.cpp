// The companion: the trace in words, the record's lines, port names and the
// probe, on the fake device.
#include "console_teller.h"
#include "debug_log.h"
#include "fake_device.h"
#include "language.h"
#include "link_texts.h"
#include "port_list.h"
#include "probe.h"
#include "station_config.h"
#include "tandor_test_support.h"
#include "trace_decode.h"
#include "velmor_texts.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
// The companion's words are judged in English unless a test says otherwise.
class in_english : public ::testing::Environment {
    void SetUp() override { lang_set(LANGUAGE_ENGLISH); }
};
::testing::Environment* const k_in_english = ::testing::AddGlobalTestEnvironment(new in_english);

// A trace line of `program` with these bytes, as the programs write it.
std::string traced(const char* program, const char* dir, const fake::bytes& b,
                   const char* outcome) {
    std::string text;
    for (std::uint8_t c : b)
        text += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '.';
    std::string hex = fake::hex(b);
    return std::string(program) + " 1234 " + dir + " " + hex + " |" + text + "| " + outcome;
}

std::string meaning(trace_decoder& d, const std::string& line) {
    const std::string out = d.decode(line);
    const std::size_t at = out.find("  = ");
    return at == std::string::npos ? "(none)" : out.substr(at + 4);
}

fake::bytes frame(const char* cmd, const std::string& payload) {
    fake::bytes f(LINK_FRAME_SIZE);
    f.resize(link_frame(f.data(), cmd, payload.c_str()));
    return f;
}

fake::bytes text(const std::string& s) {
    return fake::bytes(s.begin(), s.end());
}

const std::string k_head = "0A1B2C3D00FFFFFFFFFFFF04";
} // namespace

TEST(Decode, ReaderExchangesInWords) {
    lang_set(LANGUAGE_ENGLISH);
    trace_decoder d;
    const struct {
        fake::bytes bytes;
        const char* dir;
        const char* words;
    } cases[] = {
        {frame("18", ""), "TX", "detect a card"},
        {reader_reply("18", "00080A1B2C3D"), "RX", "card 0A1B2C3D on the reader"},
        {reader_reply("18", "01000000000000"), "RX", "no card on the reader"},
        {frame("19", k_head), "TX", "read block 4 of card 0A1B2C3D"},
        {reader_reply("19", "0000001234FFFFFFFFA514050327A5000F"), "RX",
         "User card: code 00001234, 15 accesses, expires 05/03/2027 at 14"},
        {reader_reply("19", "0000001234FFFFFFFFFF00000000FF0000"), "RX",
         "User card: code 00001234, no access limit, no expiry"},
        {reader_reply("19", "0000000000000000000000000000000000"), "RX", "blank block"},
        {frame("1A", k_head + "50A55A090807010503194D4153544552"), "TX",
         "write block 4 of card 0A1B2C3D: Master card: Personal, delete the database"},
        {frame("1A", k_head + "467007090807010503194D4153544552"), "TX",
         "write block 4 of card 0A1B2C3D: Master card: Free, set the clock to 05/03/2019 07:08:09"},
        {reader_reply("1A", "00"), "RX", "written"},
        {reader_reply("1A", "04"), "RX", "refused (status 04)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(meaning(d, traced("tandor", c.dir, c.bytes, "sent")), c.words);
}

TEST(Decode, WhatWentWrongIsNamed) {
    trace_decoder d;
    meaning(d, traced("tandor", "TX", frame("19", k_head), "sent"));
    EXPECT_EQ(meaning(d, traced("tandor", "RX", {}, "no reply")), "no reply within 2.5 s");
    EXPECT_EQ(meaning(d, traced("tandor", "RX", {0x01, 'F', 'F'}, "short reply")),
              "short reply (3 bytes)");
    EXPECT_EQ(meaning(d, traced("tandor", "RX", {0x01, 'F', 'F', 0x06, '1'}, "reply")),
              "reply to another command (an unknown command, not read); not a whole frame")
        << "five bytes are a reply";
    EXPECT_EQ(meaning(d, traced("tandor", "RX", reader_reply("19", "", 0x15), "NAK")),
              "NAK: the reader refused the frame");
    EXPECT_EQ(meaning(d, traced("tandor", "RX", reader_reply("18", "01"), "reply")),
              "reply to another command (detect, not read)");
    meaning(d, traced("tandor", "TX", frame("1A", k_head + std::string(32, '0')), "sent"));
    fake::bytes bad = reader_reply("1A", "00");
    const std::uint8_t right = bad[bad.size() - 2];
    bad[bad.size() - 2] = 0x54;
    ASSERT_NE(right, 0x54);
    char want[80];
    std::snprintf(want, sizeof want, "written; check byte wrong (0x54, should be 0x%02X)", right);
    EXPECT_EQ(meaning(d, traced("tandor", "RX", bad, "reply")), want);
    EXPECT_EQ(meaning(d, traced("tandor", "TX", {0x01, 'F', 'F', 0x02, '1', '8'}, "sent")),
              "not a whole frame");
    // Each field read as the card writers read it: what they cannot read is
    // not guessed at.
    meaning(d, traced("tandor", "TX", frame("18", ""), "sent"));
    EXPECT_EQ(meaning(d, traced("tandor", "RX", reader_reply("18", "+1000000000000"), "reply")),
              "a status that cannot be read (+1)");
    EXPECT_EQ(meaning(d, traced("tandor", "RX", reader_reply("18", "00080A1B2C3G"), "reply")),
              "a card whose UID cannot be read");
    meaning(d, traced("tandor", "TX", frame("19", k_head), "sent"));
    EXPECT_EQ(meaning(d, traced("tandor", "RX",
                                reader_reply("19", "00" + std::string(31, '0') + "Z"), "reply")),
              "a block that cannot be read");
}

TEST(Decode, StationCommandsAndAnswers) {
    socket_config s;
    s.socket_type = TYPE_3C;
    s.locking_type = LOCK_ONE;
    s.contactor_control = CONTACTOR_COIMP;
    s.meter_type = METER_CT;
    s.imax_m3 = "32";
    s.imax_m3s = "10";
    const std::string block = encode_socket_block(s);
    trace_decoder d;
    const struct {
        std::string bytes;
        const char* dir;
        std::string words;
    } cases[] = {
        {"L\r", "TX", "ask the station language"},
        {"L=FR\r", "RX", "station language FR"},
        {"L=XX\r", "RX", "station language XX (no option holds it)"},
        {"N\r", "TX", "ask the socket count"},
        {"N=2C\r", "RX", "2 sockets, simultaneous"},
        {"N=7\r", "RX", "an answer that is not one to N"},
        {"P1\r", "TX", "ask socket 1"},
        {"P10" + block + "\r", "RX", "socket 1: Type 3C, 1 actuator, COIMP, CT meter, 32 A / 10 A"},
        {"P10" + block.substr(0, 6) + "XX10\r", "RX",
         "socket 1: Type 3C, 1 actuator, COIMP, CT meter, currents that do not read (XX10)"},
        {"P1\r", "TX", "ask socket 1"},
        {"", "RX", "no reply within 2.6 s"},
        {std::string("D\x19\x03\x05\r"), "TX", "set the date to 19/03/05 (yy/mm/dd)"},
        {std::string("O\x14\x07\x09\r"), "TX", "set the time to 14:07:09"},
        {std::string("D\x99\x99\x99\r"), "TX", "set the date to 99/99/99 (no such day) (yy/mm/dd)"},
        {std::string("D\x19\x02\x29\r"), "TX", "set the date to 19/02/29 (no such day) (yy/mm/dd)"},
        {std::string("D\x20\x02\x29\r"), "TX", "set the date to 20/02/29 (yy/mm/dd)"},
        {std::string("D\x00\x01\x01\r", 5), "TX", "set the date to 00/01/01 (yy/mm/dd)"},
        {std::string("D\x19\x1A\x05\r"), "TX",
         "set the date to 19/1A/05 (not BCD digits) (yy/mm/dd)"},
        {std::string("O\x24\x00\x00\r", 5), "TX", "set the time to 24:00:00 (no such time)"},
        {"LSP\r", "TX", "set the station language to SP"},
        {"N2A\r", "TX", "set 2 sockets, alternate"},
        {"P2" + block + "\r", "TX",
         "set socket 2: Type 3C, 1 actuator, COIMP, CT meter, 32 A / 10 A"},
        {"P29" + block.substr(1) + "\r", "TX",
         "set socket 2: socket type code 9 (no option holds it), 1 actuator, COIMP, CT meter, "
         "32 A / 10 A"},
        {"A00000000\r", "TX", "closing command: keep what was written"},
        {"R", "TX", "reboot; no CR at its end"},
        {"Z\r", "TX", "a command the station does not know"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(meaning(d, traced("velmor", c.dir, text(c.bytes), "sent")), c.words) << c.bytes;
}

TEST(Decode, LinesOfEveryRecorder) {
    trace_decoder d;
    // quenby log's date and time, Wine's debug channel, a simulator's log.
    EXPECT_EQ(
        d.decode("2026-12-08 04:41:25 tandor 5 TX 01 46 46 02 31 38 03 09 0D |.FF.18...| sent"),
        "2026-12-08 04:41:25 tandor 5 TX 01 46 46 02 31 38 03 09 0D |.FF.18...| sent  = "
        "detect a card");
    EXPECT_EQ(d.decode("0024:trace:debugstr:OutputDebugStringA \"velmor 9 TX 4C 0D |L.| sent\\n\""),
              "velmor 9 TX 4C 0D |L.| sent  = ask the station language");
    EXPECT_EQ(meaning(d, "0.224 RX 01 46 46 02 31 38 03 09 0D"), "detect a card");
    EXPECT_EQ(meaning(d, "0.230 TX 01 46 46 06 31 38 30 31 03 09 0D"),
              "no card on the reader; check byte wrong (0x09, should be 0x0C)");
    EXPECT_EQ(meaning(d, "2.783 RX 4C 0D"), "ask the station language");
    EXPECT_EQ(meaning(d, "2.790 TX 4C 3D 49 54 0D"), "station language IT");
    EXPECT_EQ(d.decode("0.001 START reader on /dev/pts/0"), "0.001 START reader on /dev/pts/0");
    trace_decoder cut; // a station's log whose first line is an answer
    EXPECT_EQ(meaning(cut, "2.790 TX 4C 3D 49 54 0D"), "an answer that is not one to a query");
    EXPECT_EQ(meaning(cut, "2.800 RX 4E 0D"), "ask the socket count");
    EXPECT_EQ(meaning(cut, "2.810 TX 4E 3D 32 41 0D"), "2 sockets, alternate");
    trace_decoder reader_first; // and a reader's
    EXPECT_EQ(meaning(reader_first, "0.230 TX 01 46 46 06 31 38 30 31 03 0C 0D"),
              "no card on the reader");
    EXPECT_EQ(d.decode("tandor 5 OPEN \\\\.\\COM14 opened"), "tandor 5 OPEN \\\\.\\COM14 opened");
    // The classic writer's blocks by its name, or by the layout asked for.
    const fake::bytes five = reader_reply("19", "000F000000F0FFFFFF0F00000004FB04FB");
    trace_decoder classic;
    meaning(classic,
            traced("tandor-classic", "TX", frame("19", k_head.substr(0, 22) + "05"), "sent"));
    EXPECT_EQ(meaning(classic, traced("tandor-classic", "RX", five, "reply")),
              "counter: 15 accesses");
    const card_layout forced = card_layout::classic;
    trace_decoder asked(&forced);
    meaning(asked, traced("tandor", "TX", frame("19", k_head), "sent"));
    EXPECT_EQ(
        meaning(asked, traced("tandor", "RX",
                              reader_reply("19", "00012345678903151214000000000000000"), "reply")),
        "classic card: code 0123456789, counts accesses, expires 14/12/2015");
}

TEST(LogLines, EachLineWithTheLocalDateAndTime) {
    const local_time t{2026, 12, 8, 4, 5, 6};
    EXPECT_EQ(stamped_lines(t, "tandor 1 TX 01 |.| sent\n"),
              "2026-12-08 04:05:06 tandor 1 TX 01 |.| sent\n");
    EXPECT_EQ(stamped_lines(t, "a\r\nb"), "2026-12-08 04:05:06 a\n2026-12-08 04:05:06 b\n");
    EXPECT_EQ(stamped_lines(t, "\n\n"), "");
}

TEST(PortNames, AsTheTechnicianTypesThem) {
    listed_port p;
    std::string error;
    for (const char* typed : {"COM7", "com7", "7", " 7 "}) {
        ASSERT_TRUE(port_from_text(typed, true, &p, &error)) << typed;
        EXPECT_EQ(p.name, "COM7");
        EXPECT_EQ(p.device, "\\\\.\\COM7");
    }
    ASSERT_TRUE(port_from_text("/dev/ttyUSB0", false, &p, &error));
    EXPECT_EQ(p.device, "/dev/ttyUSB0");
    for (const char* typed : {"COM0", "COM256", "x", "/dev/ttyS0", ""})
        EXPECT_FALSE(port_from_text(typed, true, &p, &error)) << typed;
    EXPECT_FALSE(port_from_text("COM7", false, &p, &error));
    EXPECT_EQ(error, "\"COM7\" names no port (a device path such as /dev/ttyUSB0)");
    char small[8];
    EXPECT_FALSE(port_device_name(14, small, sizeof small)) << "\\\\.\\COM14 does not fit in 8";
    EXPECT_EQ(com_number_of("COM12"), 12);
    EXPECT_EQ(com_number_of("/dev/ttyS0"), 0);
}

TEST(Probe, AsksTheStationThenTheReaderAndChangesNothing) {
    fake::reset();
    fake::script_read(text("L=FR\r"));
    fake::script_read(text("N=2A\r"));
    probe_result r = probe_port("\\\\.\\COM7");
    EXPECT_EQ(probe_words(r), "charging station  (language FR, 2 sockets)");
    EXPECT_STREQ(settings_key_of(r.found), "Software\\Velmor");
    ASSERT_EQ(fake::dev().lines.size(), 1u);
    EXPECT_EQ(fake::dev().lines[0].speed, 9600u);
    // Queries only, with the setup tool's pause between them.
    EXPECT_EQ(fake::log_text().substr(fake::log_text().find("write")),
              "write 4C 0D; read; sleep 250; write 4E 0D; read; close");
    EXPECT_FALSE(fake::dev().is_open);

    fake::reset();
    fake::script_read({}, fake::SILENT_READ_MS); // the queries find no station
    reply_card("0A1B2C3D");
    r = probe_port("\\\\.\\COM5");
    EXPECT_EQ(probe_words(r), "card reader  (card 0A1B2C3D on it)");
    EXPECT_STREQ(settings_key_of(r.found), "Software\\Tandor");
    ASSERT_EQ(fake::dev().lines.size(), 2u);
    EXPECT_EQ(fake::dev().lines[1].speed, 19200u);
    ASSERT_EQ(fake::dev().writes.size(), 2u) << "the language query, then the detect frame";
    EXPECT_EQ(fake::hex(fake::dev().writes[1]), "01 46 46 02 31 38 03 09 0D");
    EXPECT_FALSE(fake::dev().is_open);

    fake::reset();
    EXPECT_EQ(probe_words(probe_port("\\\\.\\COM3")), "no answer");
    EXPECT_EQ(settings_key_of(probe_found::no_answer), nullptr);
    fake::reset(); // a line that takes nothing sent: nothing answered either
    fake::dev().write_fails = true;
    EXPECT_EQ(probe_words(probe_port("\\\\.\\COM3")), "no answer");

    fake::reset();
    fake::dev().open_succeeds = false;
    fake::dev().open_failure = {SERIAL_IN_USE, 32};
    EXPECT_EQ(probe_words(probe_port("\\\\.\\COM4")), "in use by another program");
    EXPECT_TRUE(fake::dev().writes.empty());
}

// A probe waits as long as the device it asks needs, not the programs' whole
// bounds: a silent line costs two short reads, every port is asked at once,
// and each answers alike on a link of its own.
TEST(Probe, ASilentLineCostsTwoShortReads) {
    fake::reset();
    const std::int64_t start = fake::dev().now;
    EXPECT_EQ(probe_port("\\\\.\\COM3").found, probe_found::no_answer);
    EXPECT_EQ(fake::dev().read_sizes, (std::vector<std::size_t>{24, 24}))
        << "the language query, then the detect frame: no count query after a silent one";
    EXPECT_LE(fake::dev().now - start, 600) << "silent line: at most 0.6 s on the port's clock";
    EXPECT_EQ(fake::dev().writes.size(), 2u);

    fake::reset();
    fake::script_read(text("L=FR\r"));
    fake::script_read(text("N=1\r"));
    const std::vector<probe_result> found = probe_ports({"\\\\.\\COM7"});
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(probe_words(found[0]), "charging station  (language FR, 1 socket)");
    EXPECT_TRUE(probe_ports({}).empty());
}

// ports --json: what a script reads of each port.
TEST(Probe, PortsAsJson) {
    lang_set(LANGUAGE_FRENCH); // what scripts read is the same in every language
    const listed_port port{"COM7", "\\\\.\\COM7", "USB Serial Port, FTDI", "FTDI"};
    probe_result reader;
    reader.found = probe_found::card_reader;
    reader.uid = "0A1B2C3D";
    EXPECT_EQ(port_json(port, &reader, true, port_stored::stored).dump(),
              "{\"device\":\"\\\\\\\\.\\\\COM7\",\"found\":\"card 0A1B2C3D on it\","
              "\"kind\":\"card reader\",\"maker\":\"FTDI\",\"name\":\"USB Serial Port, FTDI\","
              "\"port\":\"COM7\",\"stored\":\"stored as the Port of Software\\\\Tandor\"}");
    probe_result absent;
    absent.found = probe_found::not_opened;
    absent.opened = SERIAL_NOT_PRESENT;
    EXPECT_TRUE(absent.absent());
    const nlohmann::json j = port_json({"/dev/ttyS9", "/dev/ttyS9", "", ""}, &absent, false);
    EXPECT_EQ(j["kind"], "not opened");
    EXPECT_EQ(j["found"], "not present");
    EXPECT_FALSE(j.contains("stored"));
    EXPECT_FALSE(j.contains("present")) << "a probe says what it found";
    const nlohmann::json listed = port_json(port, nullptr, false);
    EXPECT_EQ(listed["present"], false);
    EXPECT_FALSE(listed.contains("kind"));
    for (const probe_found f :
         {probe_found::card_reader, probe_found::station, probe_found::unknown_device,
          probe_found::no_answer, probe_found::not_opened})
        EXPECT_FALSE(std::string(probe_kind(f)).empty());
    EXPECT_STREQ(probe_kind(probe_found::station), "charging station");
    EXPECT_STREQ(probe_kind(probe_found::unknown_device), "unknown device");
    EXPECT_STREQ(probe_kind(probe_found::no_answer), "no answer");
    lang_set(LANGUAGE_ENGLISH);
}

// Only a whole answer of its own kind makes a device a reader or a station:
// an echo, noise or a half-formed answer is an unknown device, never stored.
TEST(Probe, AnEchoOrNoiseIsAnUnknownDevice) {
    const fake::bytes echo = {0x01, 'F', 'F', 0x02, '1', '8', 0x03, 0x09, 0x0D};
    const struct {
        std::vector<fake::bytes> answers; // to L, N and the detect frame
        const char* words;
    } cases[] = {
        {{text("L\r"), text("N\r"), echo},
         "an unknown device  (it answers, but neither as a card reader nor as a station)"},
        {{text("\x5A\x3C\x99"), text("\xA1"), text("\x5A\x3C\x99\xA1\x00")},
         "an unknown device  (it answers, but neither as a card reader nor as a station)"},
        {{text("L=F\r"), text("N=7\r"), reader_reply("19", "01")},
         "an unknown device  (it answers, but neither as a card reader nor as a station)"},
        {{text("L=fr\r"), text("N=2Z\r"), reader_reply("18", "+1000000000000")},
         "an unknown device  (it answers, but neither as a card reader nor as a station)"},
        {{text("L=FRANCE\r"), {}, reader_reply("18", "01000000000000")},
         "card reader  (no card on it)"},
        {{text("L=FR?\r"), text("N=9\r"), {}},
         "an unknown device  (it answers, but neither as a card reader nor as a station)"},
        {{{}, reader_reply("18", "", 0x15)}, "card reader  (it answered NAK)"},
        {{text("L=XX\r"), {}, {}}, "charging station  (language XX)"},
        {{text("L=AZ"), {}, {}}, "charging station  (language AZ)"}, // no line end, A to Z
        {{text("L?\r"), text("N=1\r"), {}}, "charging station  (1 socket)"},
    };
    for (const auto& c : cases) {
        fake::reset();
        for (const fake::bytes& a : c.answers)
            fake::script_read(a, a.empty() ? fake::SILENT_READ_MS : 10);
        const probe_result r = probe_port("\\\\.\\COM9");
        EXPECT_EQ(probe_words(r), c.words) << fake::log_text();
        if (r.found == probe_found::unknown_device) {
            EXPECT_EQ(settings_key_of(r.found), nullptr);
        }
    }
    fake::bytes bad = reader_reply("18", "01000000000000");
    bad[bad.size() - 2] ^= 0x20; // its check byte wrong
    fake::reset();
    fake::script_read({}, fake::SILENT_READ_MS);
    fake::script_read(bad);
    EXPECT_EQ(probe_port("\\\\.\\COM9").found, probe_found::unknown_device);
}

// A file of any size is read line by line within a bounded memory: a line
// far longer than any trace line is passed over, the lines after it decoded.
TEST(Decode, EveryLineOfAFileWithinBoundedMemory) {
    trace_decoder d;
    std::istringstream edge(std::string(TRACE_LINE_MOST, 'y') + "\n" +
                            std::string(TRACE_LINE_MOST + 1, 'z') + "\n");
    std::ostringstream edges;
    decode_lines(edge, edges, d);
    EXPECT_EQ(edges.str(), std::string(TRACE_LINE_MOST, 'y') +
                               "\n(a line longer than 65536 bytes: no trace line, passed over)\n")
        << "a line of the bound is read whole, one byte more is not";
    std::istringstream in("0.224 RX 4C 0D\r\n" + std::string(3 * TRACE_LINE_MOST, 'x') +
                          "\n0.230 TX 4C 3D 46 52 0D\nlast line without its end");
    std::ostringstream out;
    decode_lines(in, out, d);
    // A control byte a device sent, or a line end escaped in a debug line,
    // keeps each decoded line one line.
    trace_decoder one;
    EXPECT_EQ(one.decode("velmor 9 TX 4C 0D |L.| sent"),
              "velmor 9 TX 4C 0D |L.| sent  = ask the station language");
    EXPECT_EQ(one.decode("velmor 9 RX 4C 3D 0A 49 0D |L=.I.| reply"),
              "velmor 9 RX 4C 3D 0A 49 0D |L=.I.| reply  = station language \\x0AI (no option "
              "holds it)");
    EXPECT_EQ(one.decode("0024:trace:debugstr:OutputDebugStringA \"a\\nb\\n\""), "a\\x0Ab");
    EXPECT_EQ(out.str(), "0.224 RX 4C 0D  = ask the station language\n"
                         "(a line longer than 65536 bytes: no trace line, passed over)\n"
                         "0.230 TX 4C 3D 46 52 0D  = station language FR\n"
                         "last line without its end\n");
}

// What the operations tell reaches the console as a sentence: the setup
// tool's own words, then what the technician can do; anything the console
// has nothing to add to is the box's text after its caption.
TEST(ConsoleWords, OutcomesAreSaidAsSentences) {
    lang_set(LANGUAGE_ENGLISH);
    const auto told = [](result what, int text, std::string detail = "",
                         std::vector<std::uint8_t> bytes = {}) {
        outcome o;
        o.what = what;
        o.caption = VT_CAPTION_ERROR;
        o.text = text;
        o.detail = std::move(detail);
        o.bytes = std::move(bytes);
        return console_words(o, vtext);
    };
    EXPECT_EQ(told(result::silent, VT_MSG_NO_ANSWER),
              "The station does not answer: check its cable, and that it is on");
    EXPECT_EQ(told(result::unread_answer, LT_DEBUG, "", {0x4E, 0x3D, 0x32, 0x00}),
              "the station answered 4E 3D 32 00, which is no answer the setup tool reads: it is "
              "left as it was");
    EXPECT_EQ(told(result::not_held, VT_MSG_NOT_HELD, "socket 1"),
              "The station does not hold what was written: socket 1");
    EXPECT_EQ(told(result::no_port, VT_MSG_PORT), "Error opening COM port!");
    EXPECT_EQ(told(result::send_failed, VT_MSG_COMMUNICATION),
              "Communication error with the station: the line did not take what was sent; check "
              "the cable and the adapter");
    EXPECT_EQ(told(result::refused, 0, "Socket 1: choose the socket type"),
              "Error: Socket 1: choose the socket type");
    outcome store;
    store.what = result::not_stored;
    store.caption = LT_ERROR;
    store.text = LT_REGISTRY;
    EXPECT_EQ(console_words(store, vtext), "Error: Error writing registry");

    // The console teller says it on its stream, one line each.
    std::ostringstream err;
    console_teller console(err, vtext);
    outcome silent;
    silent.what = result::silent;
    silent.text = VT_MSG_NO_ANSWER;
    console.tell(silent);
    EXPECT_EQ(err.str(),
              "quenby: The station does not answer: check its cable, and that it is on\n");
}

// An outcome as the window's box shows it: the caption, the text, the
// detail, and the bytes as the setup tool's Debug box shows them.
TEST(BoxTexts, CaptionTextDetailAndBytes) {
    lang_set(LANGUAGE_FRENCH);
    outcome o;
    o.what = result::unread_answer;
    o.caption = VT_CAPTION_ERROR;
    o.text = LT_DEBUG;
    o.bytes = {0x4E, 0x3D, 0x32, 0x00};
    box_texts box = box_of(o, vtext);
    EXPECT_EQ(box.caption, vtext(VT_CAPTION_ERROR));
    EXPECT_EQ(box.text, "Debug: 4e 3d 32 00");
    o = outcome{};
    o.caption = VT_CAPTION_WARNING;
    o.detail = "a rule's own message";
    box = box_of(o, vtext);
    EXPECT_EQ(box.caption, vtext(VT_CAPTION_WARNING));
    EXPECT_EQ(box.text, "a rule's own message") << "no text id: the detail alone";
    o.caption = LT_PATH_EMPTY;
    o.text = LT_ERRORE;
    o.detail.clear();
    box = box_of(o, nullptr);
    EXPECT_EQ(box.caption + "|" + box.text, "Path-value is empty!|Errore")
        << "the link's texts need no program";
    EXPECT_EQ(link_text(LT_FIRST - 1), nullptr);
    EXPECT_EQ(link_text(LT_END), nullptr);
    EXPECT_STREQ(link_text(LT_DEBUG), "Debug:");
    lang_set(LANGUAGE_ITALIAN);
}
