// The port of each program, the card reader's frames and exchanges, and its
// three commands: the bytes on the wire and the reading of the replies.
#include "profile_classic.h"
#include "profile_velmor.h"
#include "tandor_test_support.h"

#include <cstring>

namespace {
using fake::bytes;
using fake::dev;
using strings = std::vector<std::string>;

bytes frame_of(const char* cmd, const char* payload) {
    std::uint8_t f[LINK_FRAME_SIZE];
    return bytes(f, f + link_frame(f, cmd, payload));
}

TEST(Frame, WorkedFramesAndTheCheckByte) {
    EXPECT_EQ(frame_of("18", ""), (bytes{0x01, 0x46, 0x46, 0x02, 0x31, 0x38, 0x03, 0x09, 0x0D}));
    // XOR 0x0D goes out as 0x0E, XOR 0x01 as 0x02.
    EXPECT_EQ(frame_of("18", "04"),
              (bytes{0x01, 0x46, 0x46, 0x02, 0x31, 0x38, 0x30, 0x34, 0x03, 0x0E, 0x0D}));
    EXPECT_EQ(frame_of("18", "08"),
              (bytes{0x01, 0x46, 0x46, 0x02, 0x31, 0x38, 0x30, 0x38, 0x03, 0x02, 0x0D}));
    EXPECT_EQ(frame_of("1A", std::string(LINK_MAX_PAYLOAD, 'A').c_str()).size(), 256u);
    EXPECT_TRUE(frame_of("1A", std::string(LINK_MAX_PAYLOAD + 1, 'A').c_str()).empty());
    for (int x = 0; x < 256; ++x) {
        const std::uint8_t one[] = {static_cast<std::uint8_t>(x)};
        const bool moved = x == 0x01 || x == 0x04 || x == 0x0D;
        EXPECT_EQ(link_bcc(one, 1), moved ? x + 1 : x) << x;
    }
    const std::uint8_t three[] = {0x10, 0x20, 0x40};
    EXPECT_EQ(link_bcc(three, 3), 0x70);
    // A status in the last two bytes that came is read; one cut short is not.
    const std::uint8_t eight[] = {0x01, 'F', 'F', 0x06, '1', '8', '0', '1'};
    std::uint8_t reply[LINK_REPLY_SIZE] = {};
    link_reply_fill(reply, eight, sizeof eight);
    EXPECT_EQ(reader_status(reply), READER_NO_CARD);
    link_reply_fill(reply, eight, sizeof eight - 1);
    EXPECT_EQ(reader_status(reply), READER_STATUS_UNREADABLE);
}

// Every program opens a port by its device-namespace name, which reaches
// COM10 and above too, and sets the whole line: a port left with flow
// control on by another program would stall on a reply holding 0x13.
TEST(Port, NameLineAndWaitsOfEachProgram) {
    struct {
        const program_profile* profile;
        int port;
        unsigned speed;
        const char* log; // the same when the open fails
    } cases[] = {
        {&k_velmor_profile, 12, 9600, "open \\\\.\\COM12"},
        {&k_tandor_profile, 14, 19200, "sleep 2000; open \\\\.\\COM14; sleep 2000"},
        {&k_classic_profile, 255, 19200, "open \\\\.\\COM255"},
    };
    for (const auto& c : cases)
        for (bool opens : {true, false}) {
            fake::reset();
            device_link link(*c.profile);
            dev().open_succeeds = opens;
            EXPECT_EQ(link_open(link, c.port), opens);
            EXPECT_EQ(link_is_open(link), opens);
            EXPECT_FALSE(link_open(link, 0) || link_open(link, -1))
                << "no device for port 0 or below";
            EXPECT_EQ(link_is_open(link), opens) << "a name that is none leaves the port as it was";
            EXPECT_EQ(fake::log_text(), c.log);
            ASSERT_EQ(dev().lines.size(), 1u);
            const line_settings& l = dev().lines[0];
            EXPECT_EQ(l.speed, c.speed);
            EXPECT_EQ(l.data_bits, 8);
            EXPECT_FALSE(l.parity);
            EXPECT_EQ(l.stop_bits, 1);
            EXPECT_FALSE(l.xon_xoff || l.cts_flow || l.dsr_flow) << "no flow control";
            EXPECT_TRUE(l.dtr_on && l.rts_on);
        }
}

// The trace tells support why a port did not open; the boxes are the
// callers' and keep their texts.
TEST(Port, TraceTellsWhyAPortDidNotOpen) {
    struct {
        serial_open_outcome outcome;
        const char* told;
    } cases[] = {
        {{SERIAL_NOT_PRESENT, 2}, "not present (system error 2)"},
        {{SERIAL_IN_USE, 32}, "in use by another program (system error 32)"},
        {{SERIAL_ACCESS_DENIED, 5},
         "access denied (or in use by another program) (system error 5)"},
        {{SERIAL_SETTINGS_REFUSED, 87}, "line settings refused (system error 87)"},
        {{SERIAL_OPEN_FAILED, 0}, "could not be opened"},
    };
    device_link link(k_classic_profile);
    for (const auto& c : cases) {
        fake::reset();
        dev().open_succeeds = false;
        dev().open_failure = c.outcome;
        dev().now = 4321;
        EXPECT_FALSE(link_open(link, 14));
        EXPECT_FALSE(link_is_open(link));
        EXPECT_EQ(dev().debug_lines,
                  strings{std::string("tandor-classic 4321 OPEN \\\\.\\COM14 ") + c.told + "\n"});
        EXPECT_TRUE(fake::events_of("box").empty());
    }
    fake::reset();
    EXPECT_TRUE(link_open(link, 3));
    EXPECT_EQ(dev().debug_lines, strings{"tandor-classic 1000 OPEN \\\\.\\COM3 opened\n"});
    // Opened again while open: the device held is let go first, never
    // overwritten and left locked.
    fake::reset();
    EXPECT_TRUE(link_open(link, 4));
    EXPECT_EQ(fake::log_text(), "close; open \\\\.\\COM4");
    EXPECT_TRUE(link_close(link));
    EXPECT_FALSE(link_is_open(link));
    EXPECT_FALSE(link_close(link)) << "nothing left to close";
}

class Exchange : public CardWriter {
  protected:
    void SetUp() override {
        CardWriter::SetUp();
        std::memset(reply, 0xAA, sizeof reply);
        reader = card_reader{{"0A1B2C3D"}, {"0A1B2C3D"}};
    }
    bool reply_untouched() const {
        return std::all_of(reply, reply + sizeof reply, [](std::uint8_t b) { return b == 0xAA; });
    }
    std::uint8_t reply[LINK_REPLY_SIZE];
    card_reader reader{};
    int status = 99;
};

TEST_F(Exchange, RepliesAndHowEachExchangeEnds) {
    const bytes ack = reader_reply("18", "00080A1B2C3D");
    struct {
        const char* what;
        std::vector<fake::read_step> reads;
        exchange result;
        bool filled;
    } cases[] = {
        {"a reply", {{ack, 10}}, exchange::done, true},
        {"short reads dropped, the last counts",
         {{{1, 'F'}, 10}, {{'X', 'Y'}, 10}, {ack, 10}},
         exchange::done,
         true},
        {"a failed read is read again", {{{}, 0, true}, {ack, 10}}, exchange::done, true},
        {"exactly four bytes", {{{1, 'F', 'F', 6}, 10}}, exchange::short_reply, false},
        {"NAK", {{reader_reply("18", "", 0x15), 10}}, exchange::nak, true},
        {"another verdict is taken", {{{1, 'F', 'F', 0x16, '1'}, 10}}, exchange::done, true},
        {"five bytes of a reply to another command",
         {{{1, 'F', 'F', 6, '2'}, 10}},
         exchange::wrong_reply,
         false},
        {"silence", {}, exchange::no_reply, false},
    };
    for (const auto& c : cases) {
        SetUp();
        dev().reads = c.reads;
        EXPECT_EQ(link_transact(link, reply, "18", ""), c.result) << c.what;
        EXPECT_EQ(dev().writes, std::vector<bytes>{frame_of("18", "")}) << c.what;
        EXPECT_EQ(!reply_untouched(), c.filled) << c.what;
        EXPECT_TRUE(fake::events_of("box").empty()) << c.what;
    }
    SetUp();
    dev().reads = {{ack, 10}};
    ASSERT_EQ(link_transact(link, reply, "18", ""), exchange::done);
    EXPECT_EQ(reply[0], ack.size());
    EXPECT_EQ(0, std::memcmp(reply + 1, ack.data(), ack.size()));
    EXPECT_EQ(reply[1 + ack.size()], 0xAA) << "nothing past the last byte";
    bytes full(256, 'A');
    full[3] = 0x06;
    full[4] = '1';
    full[5] = '8';
    dev().reads = {{full, 10}};
    ASSERT_EQ(link_transact(link, reply, "18", ""), exchange::done);
    EXPECT_EQ(link_reply_count(reply), 256u) << "a byte count of 0 is 256";
}

// A reply belongs to the command it answers: what came late for an earlier
// command is dropped before the frame goes out, or passed over when it comes
// during the wait.
TEST_F(Exchange, LateRepliesToOtherCommandsAreNotTaken) {
    const bytes late = reader_reply("1A", "00");
    const bytes ack = reader_reply("18", "00080A1B2C3D");
    dev().unread = late;
    dev().reads = {{ack, 10}};
    ASSERT_EQ(link_transact(link, reply, "18", ""), exchange::done) << "the late reply discarded";
    EXPECT_EQ(dev().discards, 1);
    EXPECT_EQ(bytes(reply + 1, reply + 1 + reply[0]), ack);

    struct {
        const char* what;
        std::vector<fake::read_step> reads;
        exchange result;
    } cases[] = {
        {"a late reply in the wait, then the answer", {{late, 10}, {ack, 10}}, exchange::done},
        {"both in one read",
         {{[&] {
               bytes b = late;
               b.insert(b.end(), ack.begin(), ack.end());
               return b;
           }(),
           10}},
         exchange::done},
        {"only the late reply", {{late, 10}}, exchange::wrong_reply},
        {"the late reply and the answer's first bytes, then the answer",
         {{[&] {
               bytes b = late;
               b.insert(b.end(), ack.begin(), ack.begin() + 4);
               return b;
           }(),
           10},
          {ack, 10}},
         exchange::done},
        {"a NAK to another command", {{reader_reply("19", "", 0x15), 10}}, exchange::wrong_reply},
    };
    for (const auto& c : cases) {
        SetUp();
        dev().reads = c.reads;
        EXPECT_EQ(link_transact(link, reply, "18", ""), c.result) << c.what;
        if (c.result == exchange::done) {
            EXPECT_EQ(bytes(reply + 1, reply + 1 + reply[0]), ack) << c.what;
        } else {
            EXPECT_TRUE(reply_untouched()) << c.what;
            EXPECT_NE(dev().debug_lines.at(1).find("reply to another command"), std::string::npos);
        }
    }
    SetUp();
    dev().reads = {{late, 10}};
    EXPECT_EQ(link_command(link, reply, "18", ""), exchange::wrong_reply);
    EXPECT_EQ(fake::events_of("box"), strings{"Attention|General error of the device"});
}

TEST_F(Exchange, SilentOrBrokenReaderIsGivenUpWithinTheBound) {
    const std::int64_t start = dev().now;
    EXPECT_EQ(link_transact(link, reply, "18", ""), exchange::no_reply);
    EXPECT_LE(dev().now - start, LINK_REPLY_WAIT_MS + fake::SILENT_READ_MS);
    for (int i = 0; i < 1000; ++i)
        fake::script_read({1}, 60); // a trickle of single bytes
    EXPECT_EQ(link_transact(link, reply, "18", ""), exchange::short_reply);
    EXPECT_LE(dev().now - start, 2 * (LINK_REPLY_WAIT_MS + fake::SILENT_READ_MS));
    dev().reads.clear();
    for (int i = 0; i < 1000; ++i)
        fake::script_read_fail(0);
    fake::events().clear();
    EXPECT_EQ(link_transact(link, reply, "18", ""), exchange::no_reply);
    EXPECT_LE(fake::events_of("read").size(), std::size_t{LINK_MAX_READS})
        << "reads failing at once";
    EXPECT_TRUE(reply_untouched());
    close_port();
    dev().writes.clear();
    EXPECT_EQ(link_transact(link, reply, "18", ""), exchange::no_port);
    EXPECT_TRUE(dev().writes.empty());
}

TEST_F(Exchange, FailedWriteShowsOneBoxAndTheReplyIsStillWaitedFor) {
    const std::string too_long(LINK_MAX_PAYLOAD + 1, 'A');
    EXPECT_EQ(link_transact(link, reply, "1A", too_long.c_str()), exchange::write_failed);
    EXPECT_TRUE(dev().writes.empty()) << "a frame that cannot be made is not sent";
    ::reply("18", "01");
    EXPECT_EQ(link_command(link, reply, "18", ""), exchange::done);
    EXPECT_TRUE(fake::events_of("box").empty()) << "no box when it worked";
    lang_set(LANGUAGE_SPANISH);
    fake::script_read(reader_reply("18", "", 0x15));
    EXPECT_EQ(link_command(link, reply, "18", ""), exchange::nak);
    dev().write_fails = true;
    ::reply("18", "01");
    EXPECT_EQ(link_transact(link, reply, "18", ""), exchange::done);
    EXPECT_EQ(link_command(link, reply, "18", ""), exchange::write_failed);
    EXPECT_EQ(fake::events_of("box"), strings(2, "Atención|Problema general del dispositivo"))
        << "one box each, in the language";
}

TEST_F(Exchange, DetectAndBlockReadTakeWhatTheReplyHolds) {
    struct {
        const char* body;
        int status;
        const char* uid;
    } cases[] = {
        {"0008DEADBEEF", 0, "DEADBEEF"},
        {"00080A00FF01", 0, "0A00FF01"},
        {"01000000000000", 1, "0A1B2C3D"},
        {"fe", 0xFE, "0A1B2C3D"},
        {"0008DEAD", READER_STATUS_UNREADABLE, "0A1B2C3D"}, // status 0, no UID behind it
        {"zz", READER_STATUS_UNREADABLE, "0A1B2C3D"},
    };
    for (const auto& c : cases) {
        SetUp();
        ::reply("18", c.body);
        EXPECT_EQ(card_detect(link, &reader, &status), exchange::done) << c.body;
        EXPECT_EQ(status, c.status) << c.body;
        EXPECT_STREQ(reader.uid, c.uid) << c.body;
        EXPECT_STREQ(reader.uid_display, c.uid) << c.body;
    }
    status = 42;
    fake::script_read(reader_reply("18", "", 0x15));
    EXPECT_NE(card_detect(link, &reader, &status), exchange::done);
    EXPECT_EQ(status, 42) << "a failed exchange changes nothing";
    ::reply("19", "00" + std::string(31, '0') + "Z");
    char text[READER_BLOCK_CHARS + 1];
    EXPECT_EQ(block_read(link, &reader, 4, text, &status), exchange::done);
    EXPECT_EQ(status, READER_STATUS_UNREADABLE) << "a block that is not hexadecimal";
}

} // namespace
