// The simulated reader, checked on its own so that the integration tests can
// trust it.
#include "reader_control.h"
#include "reader_frame.h"
#include "reader_model.h"

#include <gtest/gtest.h>

namespace {

bytes command_frame(const std::string& cmd, const std::string& payload) {
    bytes f = {0x01, 'F', 'F', 0x02};
    f.insert(f.end(), cmd.begin(), cmd.end());
    f.insert(f.end(), payload.begin(), payload.end());
    f.push_back(0x03);
    f.push_back(sim_bcc(f.data(), f.size()));
    f.push_back(0x0D);
    return f;
}

std::vector<received_frame> frames_of(const bytes& b) {
    frame_assembler a;
    std::vector<received_frame> out;
    a.feed(b.data(), b.size(), &out);
    return out;
}

// Sends one frame and returns the reply as text from received byte 4 on.
std::string exchange(reader_model& r, const std::string& cmd, const std::string& payload,
                     std::uint8_t* verdict = nullptr) {
    auto frames = frames_of(command_frame(cmd, payload));
    EXPECT_EQ(frames.size(), 1u);
    auto chunks = r.answer(frames.at(0));
    bytes all;
    for (auto& c : chunks)
        all.insert(all.end(), c.data.begin(), c.data.end());
    if (all.size() < 7)
        return "";
    if (verdict)
        *verdict = all[3];
    EXPECT_EQ(all.back(), 0x0D);
    EXPECT_EQ(all[all.size() - 2], sim_bcc(all.data(), all.size() - 2));
    return std::string(all.begin() + 4, all.end() - 3);
}

const std::string k_head = "0A1B2C3D00FFFFFFFFFFFF";

class SimReader : public ::testing::Test {
  protected:
    void SetUp() override { reader.place(virtual_card::fresh({0x0A, 0x1B, 0x2C, 0x3D})); }
    reader_model reader;
};

TEST_F(SimReader, DetectReportsTheUidOrNoCard) {
    EXPECT_EQ(exchange(reader, "18", ""), "18"
                                          "00"
                                          "08"
                                          "0A1B2C3D");
    reader.remove();
    EXPECT_EQ(exchange(reader, "18", "").substr(2, 2), "01");
}

TEST_F(SimReader, WriteThenReadRoundTrips) {
    const std::string data = "00000000FFFFFFFFA514050319A5000F";
    EXPECT_EQ(exchange(reader, "1A", k_head + "04" + data), "1A00");
    EXPECT_EQ(exchange(reader, "19", k_head + "04"), "1900" + data);
    EXPECT_EQ(reader.card()->blocks[4][8], 0xA5);
}

TEST_F(SimReader, RefusesBlockZeroWrongKeyWrongUidAndBadPayload) {
    const std::string data(32, '1');
    EXPECT_EQ(exchange(reader, "1A", k_head + "00" + data), "1A03");
    EXPECT_EQ(exchange(reader, "19", "0A1B2C3D00A0A1A2A3A4A504"), "1902");
    EXPECT_EQ(exchange(reader, "19", "0000000000FFFFFFFFFFFF04"), "1901");
    EXPECT_EQ(exchange(reader, "1A", k_head + "04" + data.substr(0, 20)), "1A04");
    EXPECT_EQ(exchange(reader, "19", k_head + "40"), "1903");
}

TEST_F(SimReader, ChangedSectorKeyIsEnforced) {
    reader_sim_state s;
    s.reader.place(virtual_card::fresh({0x0A, 0x1B, 0x2C, 0x3D}));
    std::vector<std::string> out;
    EXPECT_EQ(reader_control(s, {"key", "1", "A0A1A2A3A4A5"}, &out), "");
    EXPECT_EQ(exchange(s.reader, "19", k_head + "04"), "1902");
    EXPECT_EQ(exchange(s.reader, "19", "0A1B2C3D00A0A1A2A3A4A504"), "1900" + std::string(32, '0'));
}

TEST_F(SimReader, UnreadableBlockFailsToRead) {
    reader_sim_state s;
    s.reader.place(virtual_card::fresh({0x0A, 0x1B, 0x2C, 0x3D}));
    std::vector<std::string> out;
    EXPECT_EQ(reader_control(s, {"unreadable", "5"}, &out), "");
    EXPECT_EQ(exchange(s.reader, "19", k_head + "05"), "1903");
    EXPECT_EQ(exchange(s.reader, "19", k_head + "04"), "1900" + std::string(32, '0'));
}

TEST_F(SimReader, BadCheckByteGetsNak) {
    bytes f = command_frame("18", "");
    f[7] ^= 0x40;
    auto frames = frames_of(f);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_FALSE(frames[0].valid);
    auto chunks = reader.answer(frames[0]);
    ASSERT_EQ(chunks.size(), 1u);
    EXPECT_EQ(chunks[0].data[3], SIM_NAK);
}

TEST_F(SimReader, GarbageBeforeAFrameIsSkipped) {
    bytes b = {'x', 0x0D, 0x7F};
    bytes f = command_frame("18", "");
    b.insert(b.end(), f.begin(), f.end());
    auto frames = frames_of(b);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_TRUE(frames[0].valid);
}

TEST_F(SimReader, FaultsShapeTheReply) {
    reader_sim_state s;
    s.reader.place(virtual_card::fresh({1, 2, 3, 4}));
    std::vector<std::string> out;
    auto frame = frames_of(command_frame("18", "")).at(0);

    ASSERT_EQ(reader_control(s, {"fault", "silence", "x1"}, &out), "");
    EXPECT_TRUE(s.reader.answer(frame).empty());
    EXPECT_EQ(s.reader.answer(frame).size(), 1u) << "x1 lasts one reply";

    ASSERT_EQ(reader_control(s, {"fault", "cut", "3"}, &out), "");
    EXPECT_EQ(s.reader.answer(frame).at(0).data.size(), 3u);

    ASSERT_EQ(reader_control(s, {"fault", "split", "2"}, &out), "");
    auto split = s.reader.answer(frame);
    ASSERT_EQ(split.size(), 2u);
    EXPECT_EQ(split[0].data.size(), 2u);
    EXPECT_GT(split[1].delay_ms, 50);

    ASSERT_EQ(reader_control(s, {"fault", "status", "2F"}, &out), "");
    EXPECT_EQ(exchange(s.reader, "18", "").substr(2, 2), "2F");

    ASSERT_EQ(reader_control(s, {"fault", "nak"}, &out), "");
    std::uint8_t verdict = 0;
    exchange(s.reader, "18", "", &verdict);
    EXPECT_EQ(verdict, SIM_NAK);

    ASSERT_EQ(reader_control(s, {"fault", "garbage", "DEADBEEF"}, &out), "");
    EXPECT_EQ(s.reader.answer(frame).at(0).data, (bytes{0xDE, 0xAD, 0xBE, 0xEF}));

    ASSERT_EQ(reader_control(s, {"fault", "none"}, &out), "");
    EXPECT_EQ(exchange(s.reader, "18", "").substr(2, 2), "00");

    // A fault for one command leaves the others alone and counts only its own.
    ASSERT_EQ(reader_control(s, {"fault", "status", "01", "x1", "on=1A"}, &out), "");
    EXPECT_EQ(exchange(s.reader, "18", "").substr(2, 2), "00");
    EXPECT_EQ(exchange(s.reader, "1A",
                       "01020304"
                       "00FFFFFFFFFFFF04" +
                           std::string(32, '0')),
              "1A01");
    EXPECT_EQ(exchange(s.reader, "1A",
                       "01020304"
                       "00FFFFFFFFFFFF04" +
                           std::string(32, '0')),
              "1A00");
}

TEST(SimControl, PlaceDumpAndErrors) {
    reader_sim_state s;
    std::vector<std::string> out;
    EXPECT_EQ(reader_control(s, {"place", "DEADBEEF", "4=00112233445566778899AABBCCDDEEFF"}, &out),
              "");
    EXPECT_EQ(reader_control(s, {"block", "4"}, &out), "");
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0], "00112233445566778899AABBCCDDEEFF");
    out.clear();
    EXPECT_EQ(reader_control(s, {"dump"}, &out), "");
    ASSERT_EQ(out.size(), 64u);
    EXPECT_EQ(out[0].substr(0, 13), "00 DEADBEEF22");
    EXPECT_EQ(out[3], "03 FFFFFFFFFFFFFF078069FFFFFFFFFFFF");
    EXPECT_NE(reader_control(s, {"place", "XYZ"}, &out), "");
    EXPECT_NE(reader_control(s, {"place", "DEADBEEF", "4=0011"}, &out), "");
    EXPECT_NE(reader_control(s, {"fault", "status", "100"}, &out), "");
    EXPECT_NE(reader_control(s, {"bogus"}, &out), "");
    s.reader.remove();
    EXPECT_NE(reader_control(s, {"dump"}, &out), "");
}
} // namespace
