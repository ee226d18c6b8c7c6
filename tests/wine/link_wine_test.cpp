// The device link and the reader commands through the real Win32 serial API,
// under Wine, against the simulated reader on a pseudo-terminal.
#include "message_recorder.h"
#include "port.h"
#include "profile_classic.h"
#include "profile_tandor.h"
#include "profile_velmor.h"
#include "reader.h"
#include "reader_frame.h"
#include "sim_client.h"
#include "system.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const char k_uid[] = "0A1B2C3D";

class WineLink : public ::testing::Test {
  protected:
    void SetUp() override {
        recorded_messages().clear();
        sim_command("fault none");
        sim_command(std::string("place ") + k_uid);
        sim_command("clear-log");
    }
    void TearDown() override {
        port_close();
        profile_set(nullptr);
    }
    // The classic profile: 19200 bit/s and no waits around the open.
    void open_fast() {
        profile_set(&k_classic_profile);
        ASSERT_TRUE(port_open(sim_com()));
    }
};

TEST_F(WineLink, TandorOpensAt19200EightNoneOneAfterItsWaits) {
    profile_set(&k_tandor_profile);
    std::int64_t start = sys_now_ms();
    ASSERT_TRUE(port_open(sim_com()));
    EXPECT_GE(sys_now_ms() - start, 4000) << "two waits of 2000 ms";
    EXPECT_EQ(sim_command("line"),
              std::vector<std::string>{"speed 19200 bits 8 parity none stop 1"});
}

TEST_F(WineLink, VelmorOpensAt9600EightNoneOne) {
    profile_set(&k_velmor_profile);
    ASSERT_TRUE(port_open(sim_com()));
    EXPECT_EQ(sim_command("line"),
              std::vector<std::string>{"speed 9600 bits 8 parity none stop 1"});
}

TEST_F(WineLink, ClassicOpensByTheDeviceNamespaceName) {
    open_fast();
    EXPECT_EQ(sim_command("line"),
              std::vector<std::string>{"speed 19200 bits 8 parity none stop 1"});
}

TEST_F(WineLink, MissingPortDoesNotOpen) {
    profile_set(&k_classic_profile);
    EXPECT_FALSE(port_open(sim_com() + 1));
    EXPECT_FALSE(port_open(0));
    std::uint8_t reply[LINK_REPLY_SIZE] = {};
    EXPECT_NE(link_transact(reply, "18", ""), exchange::done) << "no port: fails at once";
}

TEST_F(WineLink, ThePortIsExclusive) {
    open_fast();
    ASSERT_TRUE(port_close());
    ASSERT_TRUE(port_open(sim_com()));
    EXPECT_TRUE(port_close());
    EXPECT_FALSE(port_close()) << "nothing left to close";
}

TEST_F(WineLink, WorkedFramesReachTheReaderByteForByte) {
    open_fast();
    std::uint8_t reply[LINK_REPLY_SIZE];
    (void)link_transact(reply, "18", "");
    (void)link_transact(reply, "18", "04");
    (void)link_transact(reply, "18", "08");
    EXPECT_EQ(sim_log_of("RX"), (std::vector<std::string>{
                                    "01 46 46 02 31 38 03 09 0D",
                                    "01 46 46 02 31 38 30 34 03 0E 0D",
                                    "01 46 46 02 31 38 30 38 03 02 0D",
                                }));
}

TEST_F(WineLink, SilentReaderIsGivenUp) {
    open_fast();
    sim_command("fault silence");
    std::uint8_t reply[LINK_REPLY_SIZE];
    std::memset(reply, 0xAA, sizeof reply);
    std::int64_t start = sys_now_ms();
    EXPECT_NE(link_transact(reply, "18", ""), exchange::done);
    EXPECT_GE(sys_now_ms() - start, LINK_REPLY_WAIT_MS);
    EXPECT_EQ(reply[0], 0xAA) << "reply buffer untouched";
    EXPECT_NE(link_command(reply, "18", ""), exchange::done);
    ASSERT_EQ(recorded_messages().size(), 1u);
    EXPECT_EQ(recorded_messages()[0].text, "Problema generico con dispositivo");
}

TEST_F(WineLink, SplitReplyKeepsOnlyTheLastRead) {
    open_fast();
    // 21-byte detect reply: its first 3 bytes, then the other 18 200 ms later.
    sim_command("fault split 3 x1");
    std::uint8_t reply[LINK_REPLY_SIZE];
    EXPECT_EQ(link_transact(reply, "18", ""), exchange::done);
    EXPECT_EQ(reply[0], 18);
    EXPECT_EQ(reply[1], 0x06) << "received byte 0 is the fourth byte sent";
    EXPECT_EQ(std::string(reinterpret_cast<char*>(reply + 8), 8), k_uid);
}

TEST_F(WineLink, NakAndShortRepliesFail) {
    open_fast();
    std::uint8_t reply[LINK_REPLY_SIZE];
    sim_command("fault nak x1");
    EXPECT_NE(link_transact(reply, "18", ""), exchange::done);
    EXPECT_EQ(reply[4], LINK_NAK);
    sim_command("fault cut 4 x1");
    std::memset(reply, 0xAA, sizeof reply);
    EXPECT_NE(link_transact(reply, "18", ""), exchange::done);
    EXPECT_EQ(reply[0], 0xAA);
}

TEST_F(WineLink, CardBlockRoundTrip) {
    open_fast();
    card_reader reader{};
    int status = -5;
    ASSERT_EQ(card_detect(&reader, &status), exchange::done);
    EXPECT_EQ(status, READER_CARD_PRESENT);
    EXPECT_STREQ(reader.uid, k_uid);
    EXPECT_STREQ(reader.uid_display, k_uid);

    char text[READER_BLOCK_CHARS + 1] = {};
    ASSERT_EQ(block_read(&reader, 4, text, &status), exchange::done);
    EXPECT_EQ(status, 0);
    EXPECT_STREQ(text, "00000000000000000000000000000000");

    const char user[] = "00000000FFFFFFFFA514050319A5000F";
    ASSERT_EQ(block_write(&reader, 4, user, &status), exchange::done);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(sim_command("block 4"), std::vector<std::string>{user});
    ASSERT_EQ(block_read(&reader, 4, text, &status), exchange::done);
    EXPECT_STREQ(text, user);

    // Block 5 through the same code, as the classic layout reads it.
    const char value[] = "FFFFFFFF00000000FFFFFFFF01FE01FE";
    ASSERT_EQ(block_write(&reader, 5, value, &status), exchange::done);
    ASSERT_EQ(block_read(&reader, 5, text, &status), exchange::done);
    EXPECT_STREQ(text, value);
    EXPECT_TRUE(recorded_messages().empty());
}

TEST_F(WineLink, CardTakenAwayIsNoCard) {
    open_fast();
    card_reader reader{};
    int status = -5;
    ASSERT_EQ(card_detect(&reader, &status), exchange::done);
    sim_command("remove");
    ASSERT_EQ(card_detect(&reader, &status), exchange::done);
    EXPECT_EQ(status, READER_NO_CARD);
    EXPECT_STREQ(reader.uid, k_uid) << "the last UID stays";
    ASSERT_EQ(block_write(&reader, 4, "00000000000000000000000000000000", &status), exchange::done);
    EXPECT_EQ(status, READER_NO_CARD);
}

TEST_F(WineLink, InjectedStatusReachesTheCaller) {
    open_fast();
    card_reader reader{};
    int status = -5;
    sim_command("fault status 02 x1");
    ASSERT_EQ(card_detect(&reader, &status), exchange::done);
    EXPECT_EQ(status, 2);
}
} // namespace
