// The simulated reader and station, checked on their own so that the
// end-to-end tests can trust them.
#include "reader_control.h"
#include "reader_frame.h"
#include "reader_model.h"
#include "station_control.h"
#include "station_model.h"

#include <gtest/gtest.h>

namespace {
using strings = std::vector<std::string>;

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

// One frame to the reader; its reply from received byte 4 on, the verdict
// and the check byte checked.
std::string exchange(reader_model& r, const std::string& cmd, const std::string& payload,
                     std::uint8_t* verdict = nullptr) {
    bytes all;
    for (auto& c : r.answer(frames_of(command_frame(cmd, payload)).at(0)))
        all.insert(all.end(), c.data.begin(), c.data.end());
    if (all.size() < 7)
        return "";
    if (verdict)
        *verdict = all[3];
    EXPECT_EQ(all[all.size() - 2], sim_bcc(all.data(), all.size() - 2));
    return std::string(all.begin() + 4, all.end() - 3);
}

const std::string k_head = "0A1B2C3D00FFFFFFFFFFFF";

TEST(SimReader, AnswersLikeTheReader) {
    reader_sim_state s;
    s.reader.place(virtual_card::fresh({0x0A, 0x1B, 0x2C, 0x3D}));
    reader_model& r = s.reader;
    const std::string data = "00000000FFFFFFFFA514050319A5000F";
    EXPECT_EQ(exchange(r, "18", ""), "1800080A1B2C3D");
    EXPECT_EQ(exchange(r, "1A", k_head + "04" + data), "1A00");
    EXPECT_EQ(exchange(r, "19", k_head + "04"), "1900" + data);
    EXPECT_EQ(exchange(r, "1A", k_head + "00" + data), "1A03") << "block 0";
    EXPECT_EQ(exchange(r, "19", "0A1B2C3D00A0A1A2A3A4A504"), "1902") << "wrong key";
    EXPECT_EQ(exchange(r, "19", "0000000000FFFFFFFFFFFF04"), "1901") << "another card's UID";
    EXPECT_EQ(exchange(r, "1A", k_head + "04" + data.substr(0, 20)), "1A04");
    EXPECT_EQ(exchange(r, "19", k_head + "40"), "1903") << "no such block";
    strings out;
    EXPECT_EQ(reader_control(s, {"key", "1", "A0A1A2A3A4A5"}, &out), "");
    EXPECT_EQ(exchange(r, "19", k_head + "04"), "1902");
    EXPECT_EQ(reader_control(s, {"unreadable", "5"}, &out), "");
    EXPECT_EQ(exchange(r, "19", "0A1B2C3D00A0A1A2A3A4A505"), "1903");
    bytes f = command_frame("18", "");
    f[7] ^= 0x40; // a wrong check byte
    bytes garbage = {'x', 0x0D, 0x7F};
    garbage.insert(garbage.end(), f.begin(), f.end());
    auto frames = frames_of(garbage);
    ASSERT_EQ(frames.size(), 1u) << "garbage before a frame is skipped";
    EXPECT_EQ(r.answer(frames[0]).at(0).data[3], SIM_NAK);
    r.remove();
    EXPECT_EQ(exchange(r, "18", "").substr(2, 2), "01");
}

TEST(SimReader, FaultsShapeTheReplyAndControlErrors) {
    reader_sim_state s;
    s.reader.place(virtual_card::fresh({1, 2, 3, 4}));
    strings out;
    auto frame = frames_of(command_frame("18", "")).at(0);
    ASSERT_EQ(reader_control(s, {"fault", "silence", "x1"}, &out), "");
    EXPECT_TRUE(s.reader.answer(frame).empty());
    EXPECT_EQ(s.reader.answer(frame).size(), 1u) << "x1 lasts one reply";
    ASSERT_EQ(reader_control(s, {"fault", "cut", "3"}, &out), "");
    EXPECT_EQ(s.reader.answer(frame).at(0).data.size(), 3u);
    ASSERT_EQ(reader_control(s, {"fault", "split", "2"}, &out), "");
    auto split = s.reader.answer(frame);
    ASSERT_EQ(split.size(), 2u);
    EXPECT_GT(split[1].delay_ms, 50);
    ASSERT_EQ(reader_control(s, {"fault", "nak"}, &out), "");
    std::uint8_t verdict = 0;
    exchange(s.reader, "18", "", &verdict);
    EXPECT_EQ(verdict, SIM_NAK);
    ASSERT_EQ(reader_control(s, {"fault", "garbage", "DEADBEEF"}, &out), "");
    EXPECT_EQ(s.reader.answer(frame).at(0).data, (bytes{0xDE, 0xAD, 0xBE, 0xEF}));
    // A status fault for one command leaves the others alone and does nothing.
    ASSERT_EQ(reader_control(s, {"fault", "status", "01", "x1", "on=1A"}, &out), "");
    EXPECT_EQ(exchange(s.reader, "18", "").substr(2, 2), "00");
    const std::string write = "0102030400FFFFFFFFFFFF04" + std::string(32, '1');
    EXPECT_EQ(exchange(s.reader, "1A", write), "1A01");
    EXPECT_EQ(s.reader.card()->blocks[4][0], 0x00) << "the write was not carried out";
    EXPECT_EQ(exchange(s.reader, "1A", write), "1A00");

    EXPECT_EQ(reader_control(s, {"place", "DEADBEEF", "4=00112233445566778899AABBCCDDEEFF"}, &out),
              "");
    out.clear();
    EXPECT_EQ(reader_control(s, {"dump"}, &out), "");
    ASSERT_EQ(out.size(), 64u);
    EXPECT_EQ(out[3], "03 FFFFFFFFFFFFFF078069FFFFFFFFFFFF");
    EXPECT_EQ(out[4], "04 00112233445566778899AABBCCDDEEFF");
    for (strings bad : {strings{"place", "XYZ"}, strings{"place", "DEADBEEF", "4=0011"},
                        strings{"fault", "status", "100"}, strings{"bogus"}})
        EXPECT_NE(reader_control(s, bad, &out), "") << bad[0];
}

std::string run(station_model& m, const std::string& line) {
    bytes in(line.begin(), line.end());
    std::string out;
    for (const auto& c : m.feed(in.data(), in.size(), [](const bytes&) {}))
        out.append(c.data.begin(), c.data.end());
    return out;
}

TEST(SimStation, AnswersLikeTheStation) {
    station_sim_state s;
    station_model& m = s.station;
    EXPECT_EQ(run(m, "L\r"), "L=IT\r");
    EXPECT_EQ(run(m, "LSP\rN2A\rP1411SST3210\r"), "") << "set commands answer nothing";
    EXPECT_EQ(run(m, "L\rN"), "L=SP\r");
    EXPECT_EQ(run(m, "\r"), "N=2A\r") << "a command split over two reads";
    EXPECT_EQ(run(m, "P1\rP2\r"), "P10411SST3210\rP20200SSN1610\r");
    run(m, std::string("D\x13\x12\x20\rO\x16\x17\x54\rA00000000\rR\r"));
    EXPECT_EQ(m.state().date[0], 0x13);
    EXPECT_EQ(m.state().time[2], 0x54);
    EXPECT_EQ(m.state().closings + m.state().reboots, 2);
    strings out;
    EXPECT_EQ(station_control(s, {"fault", "answer", "N", "N=zz", "x1"}, &out), "");
    EXPECT_EQ(run(m, "N\rN\r"), "N=zz\rN=2A\r");
    EXPECT_EQ(station_control(s, {"fault", "answer", "P1", "P1x41\\x0DSST3210"}, &out), "");
    EXPECT_EQ(run(m, "P1\r"), "P1x41\rSST3210\r");
    EXPECT_EQ(station_control(s, {"fault", "silence"}, &out), "");
    EXPECT_EQ(run(m, "L\rN\rP2\r"), "");
    for (strings bad : {strings{"fault", "answer", "X", "1"}, strings{"set", "count=3"},
                        strings{"set", "socket1=short"}})
        EXPECT_NE(station_control(s, bad, &out), "") << bad[1];
}
} // namespace
