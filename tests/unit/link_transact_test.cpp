// One exchange with the device: the reads, the reply buffer and the verdict.
#include "fake_device.h"
#include "language.h"
#include "profile_tandor.h"
#include "reader_frame.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
using fake::bytes;
using fake::dev;

class LinkTransact : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::reset();
        profile_set(&k_tandor_profile);
        lang_set(LANGUAGE_ITALIAN);
        dev().is_open = true;
        std::memset(reply, 0xAA, sizeof reply);
    }
    bool reply_untouched() const {
        for (std::uint8_t b : reply)
            if (b != 0xAA)
                return false;
        return true;
    }
    std::uint8_t reply[LINK_REPLY_SIZE];
};

bytes ack_reply() {
    return fake::from_text("\x01"
                           "FF\x06"
                           "1800080A1B2C3D\x03\x7F\r");
}

TEST_F(LinkTransact, WritesTheFrameOnceAndStoresTheReply) {
    fake::script_read(ack_reply());
    EXPECT_EQ(link_transact(reply, "18", ""), exchange::done);
    ASSERT_EQ(dev().writes.size(), 1u);
    EXPECT_EQ(dev().writes[0], (bytes{0x01, 0x46, 0x46, 0x02, 0x31, 0x38, 0x03, 0x09, 0x0D}));
    bytes r = ack_reply();
    EXPECT_EQ(reply[0], r.size());
    EXPECT_EQ(0, std::memcmp(reply + 1, r.data(), r.size()));
    EXPECT_EQ(reply[1 + r.size()], 0xAA) << "nothing written after the last byte";
    EXPECT_EQ(dev().read_calls, 1);
}

TEST_F(LinkTransact, ShortReadsAreDroppedAndOnlyTheLastCounts) {
    fake::script_read(fake::from_text("\x01"
                                      "F"));
    fake::script_read(fake::from_text("XYZ"));
    fake::script_read(ack_reply());
    EXPECT_EQ(link_transact(reply, "18", ""), exchange::done);
    EXPECT_EQ(dev().read_calls, 3);
    EXPECT_EQ(reply[0], ack_reply().size());
    EXPECT_EQ(reply[1], 0x01);
    EXPECT_EQ(reply[4], 0x06);
}

TEST_F(LinkTransact, FailedReadCallsAreReadAgain) {
    fake::script_read_fail();
    fake::script_read(ack_reply());
    EXPECT_EQ(link_transact(reply, "18", ""), exchange::done);
    EXPECT_EQ(dev().read_calls, 2);
    EXPECT_TRUE(dev().messages.empty());
}

TEST_F(LinkTransact, ExactlyFourBytesFailsAndLeavesTheReplyAlone) {
    fake::script_read(fake::from_text("\x01"
                                      "FF\x06"));
    EXPECT_EQ(link_transact(reply, "18", ""), exchange::short_reply);
    EXPECT_TRUE(reply_untouched());
    EXPECT_EQ(dev().read_calls, 1) << "4 bytes end the reading";
}

TEST_F(LinkTransact, NakWithFiveBytesOrMoreFailsWithTheReplyFilled) {
    bytes nak = fake::from_text("\x01"
                                "FF\x15"
                                "18\x03\x1B\r");
    fake::script_read(nak);
    EXPECT_EQ(link_transact(reply, "18", ""), exchange::nak);
    EXPECT_EQ(reply[0], nak.size());
    EXPECT_EQ(reply[4], 0x15);
}

TEST_F(LinkTransact, AnyOtherVerdictIsAccepted) {
    for (std::uint8_t verdict : {0x00, 0x06, 0x14, 0x16, 0xFF}) {
        fake::script_read(bytes{0x01, 'F', 'F', verdict, '1'});
        EXPECT_EQ(link_transact(reply, "18", ""), exchange::done) << int(verdict);
    }
}

TEST_F(LinkTransact, FullReplyOf256BytesCountsAsZero) {
    bytes big(256, 'A');
    big[3] = 0x06;
    big[255] = 'Z';
    fake::script_read(big);
    EXPECT_EQ(link_transact(reply, "18", ""), exchange::done);
    EXPECT_EQ(reply[0], 0);
    EXPECT_EQ(reply[1], 'A');
    EXPECT_EQ(reply[256], 'Z');
    EXPECT_EQ(link_reply_count(reply), 256u);
}

TEST_F(LinkTransact, SilentDeviceIsGivenUpAfterTheBound) {
    // Nothing scripted: every read waits its full time-out and brings nothing.
    std::int64_t start = dev().now;
    EXPECT_EQ(link_transact(reply, "18", ""), exchange::no_reply);
    EXPECT_TRUE(reply_untouched());
    EXPECT_EQ(dev().read_calls, 1) << "one empty read already exceeds the bound";
    EXPECT_GE(dev().now - start, LINK_REPLY_WAIT_MS);
}

TEST_F(LinkTransact, TrickleOfShortReadsStopsAtTheBound) {
    for (int i = 0; i < 1000; ++i)
        fake::script_read(fake::from_text("\x01"), 60);
    EXPECT_EQ(link_transact(reply, "18", ""), exchange::short_reply);
    EXPECT_EQ(dev().read_calls, (LINK_REPLY_WAIT_MS + 59) / 60);
}

TEST_F(LinkTransact, ReadsFailingAtOnceStopAtTheReadLimit) {
    for (int i = 0; i < 1000; ++i)
        fake::script_read_fail(0);
    EXPECT_EQ(link_transact(reply, "18", ""), exchange::no_reply);
    EXPECT_EQ(dev().read_calls, LINK_MAX_READS);
}

TEST_F(LinkTransact, PortNotOpenFailsAtOnceWithoutWritingOrReading) {
    dev().is_open = false;
    EXPECT_EQ(link_transact(reply, "18", ""), exchange::no_port);
    EXPECT_TRUE(dev().writes.empty());
    EXPECT_EQ(dev().read_calls, 0);
}

TEST_F(LinkTransact, FailedWriteIsReportedAndTheReadGoesOn) {
    dev().write_fails = true;
    fake::script_read(ack_reply());
    EXPECT_EQ(link_transact(reply, "18", ""), exchange::done);
    ASSERT_EQ(dev().messages.size(), 1u);
    EXPECT_EQ(dev().messages[0].caption, "Error");
    EXPECT_EQ(dev().messages[0].text, "Error writing");
}

class LinkCommand : public LinkTransact {};

TEST_F(LinkCommand, SuccessShowsNothing) {
    fake::script_read(ack_reply());
    EXPECT_EQ(link_command(reply, "18", ""), exchange::done);
    EXPECT_TRUE(dev().messages.empty());
}

TEST_F(LinkCommand, FailureShowsTheDeviceErrorInTheCurrentLanguage) {
    struct {
        int lang;
        const char* caption;
        const char* text;
    } cases[] = {
        {LANGUAGE_ITALIAN, "Attenzione", "Problema generico con dispositivo"},
        {LANGUAGE_ENGLISH, "Attention", "General error of the device"},
        {LANGUAGE_SPANISH, "Atención", "Problema general del dispositivo"},
        {LANGUAGE_FRENCH, "Attention", "Problème générique du dispositif"},
    };
    for (const auto& c : cases) {
        fake::reset();
        dev().is_open = true;
        lang_set(c.lang);
        fake::script_read(fake::from_text("\x01"
                                          "FF\x15"
                                          "18\x03\x1B\r"));
        EXPECT_EQ(link_command(reply, "18", ""), exchange::nak);
        ASSERT_EQ(dev().messages.size(), 1u);
        EXPECT_EQ(dev().messages[0].caption, c.caption);
        EXPECT_EQ(dev().messages[0].text, c.text);
    }
}

TEST_F(LinkCommand, ShortReplyAndSilenceShowTheDeviceError) {
    fake::script_read(fake::from_text("\x01"
                                      "FF"));
    EXPECT_EQ(link_command(reply, "18", ""), exchange::no_reply);
    EXPECT_EQ(link_command(reply, "18", ""), exchange::no_reply);
    EXPECT_EQ(dev().messages.size(), 2u);
    EXPECT_TRUE(reply_untouched());
}
} // namespace
