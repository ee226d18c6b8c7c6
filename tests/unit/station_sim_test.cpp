// The simulated station, checked on its own so that the integration tests can
// trust it.
#include "station_control.h"
#include "station_model.h"

#include <gtest/gtest.h>

namespace {

std::string run(station_model& m, const std::string& line) {
    bytes in(line.begin(), line.end());
    std::string out;
    for (const auto& c : m.feed(in.data(), in.size(), [](const bytes&) {}))
        out.append(c.data.begin(), c.data.end());
    return out;
}

TEST(SimStation, QueriesReportWhatTheSetCommandsSet) {
    station_model m;
    EXPECT_EQ(run(m, "L\r"), "L=IT\r");
    EXPECT_EQ(run(m, "LSP\rN2A\rP1411SST3210\r"), "");
    EXPECT_EQ(run(m, "L\rN\r"), "L=SP\rN=2A\r");
    EXPECT_EQ(run(m, "P1\r"), "P10411SST3210\r");
    EXPECT_EQ(run(m, "P2\r"), "P20200SSN1610\r");
}

TEST(SimStation, ClockCommandsAndCounters) {
    station_model m;
    run(m, std::string("D\x13\x12\x20\rO\x16\x17\x54\rA00000000\rR\r"));
    EXPECT_TRUE(m.state().date_set);
    EXPECT_EQ(m.state().date[0], 0x13);
    EXPECT_EQ(m.state().time[2], 0x54);
    EXPECT_EQ(m.state().closings, 1);
    EXPECT_EQ(m.state().reboots, 1);
}

TEST(SimStation, CommandsSplitOverReads) {
    station_model m;
    EXPECT_EQ(run(m, "N"), "");
    EXPECT_EQ(run(m, "\r"), "N=2C\r");
}

TEST(SimStation, FaultsReplaceAnswers) {
    station_sim_state s;
    std::vector<std::string> out;
    EXPECT_EQ(station_control(s, {"fault", "answer", "N", "N=zz", "x1"}, &out), "");
    EXPECT_EQ(run(s.station, "N\r"), "N=zz\r");
    EXPECT_EQ(run(s.station, "N\r"), "N=2C\r");
    EXPECT_EQ(station_control(s, {"fault", "answer", "P1", "P1x41\\x0DSST3210"}, &out), "");
    EXPECT_EQ(run(s.station, "P1\r"), "P1x41\rSST3210\r");
    EXPECT_EQ(station_control(s, {"fault", "silence"}, &out), "");
    EXPECT_EQ(run(s.station, "L\rN\rP2\r"), "");
    EXPECT_EQ(station_control(s, {"fault", "none"}, &out), "");
    EXPECT_EQ(run(s.station, "L\r"), "L=IT\r");
    EXPECT_NE(station_control(s, {"fault", "answer", "X", "1"}, &out), "");
    EXPECT_NE(station_control(s, {"set", "count=3"}, &out), "");
    EXPECT_NE(station_control(s, {"set", "socket1=short"}, &out), "");
}
} // namespace
