// Card reader commands: payloads on the wire and the reading of the replies.
#include "fake_device.h"
#include "language.h"
#include "profile_tandor.h"
#include "reader.h"
#include "reader_frame.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
using fake::bytes;
using fake::dev;

// A reply frame as the reader sends it: SOH F F ACK, command, body, ETX, BCC, CR.
bytes reader_reply(const std::string& cmd, const std::string& body, std::uint8_t verdict = 0x06) {
    bytes r = {0x01, 'F', 'F', verdict};
    r.insert(r.end(), cmd.begin(), cmd.end());
    r.insert(r.end(), body.begin(), body.end());
    r.push_back(0x03);
    r.push_back(link_bcc(r.data(), static_cast<int>(r.size())));
    r.push_back(0x0D);
    return r;
}

// The payload of the frame the program wrote last.
std::string last_payload() {
    const bytes& w = dev().writes.back();
    return std::string(w.begin() + 6, w.end() - 3);
}

std::string last_command() {
    const bytes& w = dev().writes.back();
    return std::string(w.begin() + 4, w.begin() + 6);
}

class Reader : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::reset();
        profile_set(&k_tandor_profile);
        lang_set(LANGUAGE_ENGLISH);
        dev().is_open = true;
        std::strcpy(reader.uid, "0A1B2C3D");
        std::strcpy(reader.uid_display, "0A1B2C3D");
    }
    card_reader reader{};
    int status = 99;
};

TEST_F(Reader, DetectSendsEmptyPayloadAndTakesTheUid) {
    fake::script_read(reader_reply("18", "0008DEADBEEF"));
    EXPECT_EQ(card_detect(&reader, &status), exchange::done);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(dev().writes.back(), (bytes{0x01, 0x46, 0x46, 0x02, 0x31, 0x38, 0x03, 0x09, 0x0D}));
    EXPECT_STREQ(reader.uid, "DEADBEEF");
    EXPECT_STREQ(reader.uid_display, "DEADBEEF");
}

TEST_F(Reader, NoCardKeepsTheLastUidInBothCopies) {
    fake::script_read(reader_reply("18", "01000000000000"));
    EXPECT_EQ(card_detect(&reader, &status), exchange::done);
    EXPECT_EQ(status, 1);
    EXPECT_STREQ(reader.uid, "0A1B2C3D");
    EXPECT_STREQ(reader.uid_display, "0A1B2C3D");
}

TEST_F(Reader, OtherStatusesAreReported) {
    fake::script_read(reader_reply("18", "02"));
    EXPECT_EQ(card_detect(&reader, &status), exchange::done);
    EXPECT_EQ(status, 2);
    fake::script_read(reader_reply("18", "fe"));
    EXPECT_EQ(card_detect(&reader, &status), exchange::done);
    EXPECT_EQ(status, 0xFE);
}

TEST_F(Reader, FailedExchangeChangesNothingAndShowsTheDeviceError) {
    fake::script_read(reader_reply("18", "", 0x15));
    status = 42;
    EXPECT_NE(card_detect(&reader, &status), exchange::done);
    EXPECT_EQ(status, 42);
    EXPECT_STREQ(reader.uid, "0A1B2C3D");
    ASSERT_EQ(dev().messages.size(), 1u);
    EXPECT_EQ(dev().messages[0].text, "General error of the device");
}

TEST_F(Reader, RepliesTooShortForTheirFieldsAreUnreadable) {
    // Status 0 but no UID behind it.
    fake::script_read(reader_reply("18", "0008DEAD"));
    EXPECT_EQ(card_detect(&reader, &status), exchange::done);
    EXPECT_EQ(status, READER_STATUS_UNREADABLE);
    EXPECT_STREQ(reader.uid, "0A1B2C3D");
    // Five bytes only: no status at all.
    fake::script_read(bytes{0x01, 'F', 'F', 0x06, '1'});
    EXPECT_EQ(card_detect(&reader, &status), exchange::done);
    EXPECT_EQ(status, READER_STATUS_UNREADABLE);
    // A status that is no hex number.
    fake::script_read(reader_reply("18", "zz"));
    EXPECT_EQ(card_detect(&reader, &status), exchange::done);
    EXPECT_EQ(status, READER_STATUS_UNREADABLE);
}

TEST_F(Reader, BlockReadPayloadAndUpperCaseText) {
    fake::script_read(reader_reply("19", "00"
                                         "00000000ffffffffa514050319a5000f"));
    char text[33] = "untouched";
    EXPECT_EQ(block_read(&reader, 4, text, &status), exchange::done);
    EXPECT_EQ(last_command(), "19");
    EXPECT_EQ(last_payload(), "0A1B2C3D00FFFFFFFFFFFF04");
    EXPECT_EQ(dev().writes.back().size(), 33u);
    EXPECT_EQ(status, 0);
    EXPECT_STREQ(text, "00000000FFFFFFFFA514050319A5000F");
}

TEST_F(Reader, BlockNumberIsAParameter) {
    fake::script_read(reader_reply("19", "00" + std::string(32, '0')));
    char text[33];
    EXPECT_EQ(block_read(&reader, 5, text, &status), exchange::done);
    EXPECT_EQ(last_payload(), "0A1B2C3D00FFFFFFFFFFFF05");
}

TEST_F(Reader, BlockReadFailureStatusLeavesTheTextAlone) {
    fake::script_read(reader_reply("19", "02"));
    char text[33] = "untouched";
    EXPECT_EQ(block_read(&reader, 4, text, &status), exchange::done);
    EXPECT_EQ(status, 2);
    EXPECT_STREQ(text, "untouched");
}

TEST_F(Reader, BlockReadWithShortOrBadDataIsNotRead) {
    char text[33] = "untouched";
    fake::script_read(reader_reply("19", "00A5140503"));
    EXPECT_EQ(block_read(&reader, 4, text, &status), exchange::done);
    EXPECT_EQ(status, READER_STATUS_UNREADABLE);
    fake::script_read(reader_reply("19", "00" + std::string(31, '0') + "G"));
    EXPECT_EQ(block_read(&reader, 4, text, &status), exchange::done);
    EXPECT_EQ(status, READER_STATUS_UNREADABLE);
    EXPECT_STREQ(text, "untouched");
}

TEST_F(Reader, BlockWritePayloadIs56Characters) {
    fake::script_read(reader_reply("1A", "00"));
    EXPECT_EQ(block_write(&reader, 4, "00000000FFFFFFFFA514050319A5000F", &status), exchange::done);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(last_command(), "1A");
    EXPECT_EQ(last_payload(), "0A1B2C3D00FFFFFFFFFFFF0400000000FFFFFFFFA514050319A5000F");
    EXPECT_EQ(dev().writes.back().size(), 65u);
}

TEST_F(Reader, BlockWriteContentLongerThan32IsCut) {
    fake::script_read(reader_reply("1A", "00"));
    EXPECT_EQ(block_write(&reader, 4, "00000000FFFFFFFFFF00000000A510000", &status),
              exchange::done);
    EXPECT_EQ(last_payload(), "0A1B2C3D00FFFFFFFFFFFF0400000000FFFFFFFFFF00000000A51000");
}

TEST_F(Reader, BlockWriteStatuses) {
    fake::script_read(reader_reply("1A", "01"));
    EXPECT_EQ(block_write(&reader, 4, std::string(32, '0').c_str(), &status), exchange::done);
    EXPECT_EQ(status, 1);
    fake::script_read(reader_reply("1A", "03"));
    EXPECT_EQ(block_write(&reader, 4, std::string(32, '0').c_str(), &status), exchange::done);
    EXPECT_EQ(status, 3);
    EXPECT_TRUE(dev().messages.empty());
}
} // namespace
