// Read, Write and Reboot through the real serial API under Wine against the
// simulated charging station, with a recorded form.
#include "event_log.h"
#include "fake_form.h"
#include "form_commands.h"
#include "form_layout.h"
#include "form_rules.h"
#include "language.h"
#include "message_recorder.h"
#include "profile_velmor.h"
#include "settings.h"
#include "sim_client.h"
#include "station_ops.h"
#include "system.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using fake::form;
using strings = std::vector<std::string>;

class WineStation : public ::testing::Test {
  protected:
    void SetUp() override {
        recorded_messages().clear();
        fake::events().clear();
        fake::reset_form();
        profile_set(&k_velmor_profile);
        lang_set(LANGUAGE_ENGLISH);
        sim_command("fault none");
        sim_command("set language=IT count=2C socket1=200SSN1610 socket2=200SSN1610");
        sim_command("clear-log");
        // The form as it starts, with the simulator's port chosen.
        settings_set_port(sim_com());
        form_start_values();
        form()[VC_DATE].text = "";
        form()[VC_TIME].text = "";
    }
    void TearDown() override { lang_set(LANGUAGE_ITALIAN); }
};

TEST_F(WineStation, WriteExampleReachesTheStationByteForByte) {
    form()[VC_DATE].text = "20/12/2013";
    form()[VC_TIME].text = "16:17:54";
    form()[VC_STATION_LANGUAGE].list_index = 3;
    form()[VC_SOCKET2].checked = 0;
    form()[VC_TYPE_1].list_index = 1;
    form()[VC_IMAX_1].text = "16";
    form()[VC_IMAXS_1].text = "10";
    std::int64_t start = sys_now_ms();
    velmor_command(VC_WRITE);
    EXPECT_GE(sys_now_ms() - start, 1950) << "the pauses";
    EXPECT_EQ(sim_log_of("RX"), (strings{
                                    "44 13 12 20 0D",
                                    "4F 16 17 54 0D",
                                    "4C 46 52 0D",
                                    "4E 31 0D",
                                    "50 31 32 30 30 53 53 4E 31 36 31 30 0D",
                                    "41 30 30 30 30 30 30 30 30 0D",
                                }));
    EXPECT_EQ(sim_command("line"), strings{"speed 9600 bits 8 parity none stop 1"});
    strings config = sim_command("config");
    EXPECT_EQ(config, (strings{"language FR", "count 1", "socket1 200SSN1610", "socket2 200SSN1610",
                               "date 13 12 20", "time 16 17 54", "closings 1", "reboots 0"}));
    EXPECT_TRUE(recorded_messages().empty());
}

TEST_F(WineStation, ReadOfATwoSocketStation) {
    sim_command("set language=SP count=2A socket1=411SST3210 socket2=302SNN0606");
    velmor_command(VC_READ);
    EXPECT_EQ(sim_log_of("RX"), (strings{"4C 0D", "4E 0D", "50 31 0D", "50 32 0D"}));
    EXPECT_TRUE(recorded_messages().empty());
    EXPECT_EQ(form()[VC_STATION_LANGUAGE].list_index, 2);
    EXPECT_EQ(form()[VC_MODE].list_index, 1);
    EXPECT_EQ(form()[VC_SOCKET2].checked, 1);
    EXPECT_EQ(form()[VC_TYPE_1].list_index, 3);
    EXPECT_EQ(form()[VC_IMAX_1].text, "32");
    EXPECT_EQ(form()[VC_IMAXS_1].text, "10");
    EXPECT_EQ(form()[VC_TYPE_2].list_index, 2);
    EXPECT_EQ(form()[VC_IMAX_2].text, "6");
    EXPECT_FALSE(form()[VC_PROGRESS].shown);
}

TEST_F(WineStation, ReadOfAOneSocketStation) {
    sim_command("set count=1");
    velmor_command(VC_READ);
    EXPECT_EQ(form()[VC_SOCKET2].checked, 0);
    EXPECT_FALSE(form()[VC_TYPE_2].enabled);
    EXPECT_FALSE(form()[VC_MODE].enabled);
    EXPECT_EQ(sim_log_of("RX").size(), 4u) << "socket 2 is asked for all the same";
}

TEST_F(WineStation, SocketAnswerNotP1EndsTheRead) {
    sim_command("fault answer P1 X1x200SSN1610");
    velmor_command(VC_READ);
    EXPECT_EQ(sim_log_of("RX"), (strings{"4C 0D", "4E 0D", "50 31 0D"}));
    ASSERT_EQ(recorded_messages().size(), 1u);
    EXPECT_EQ(recorded_messages()[0].caption, "Error");
    EXPECT_EQ(recorded_messages()[0].text, "Debug: 58 31 78 32");
    EXPECT_TRUE(form()[VC_READ].enabled);
}

TEST_F(WineStation, SilentStation) {
    sim_command("fault silence");
    velmor_command(VC_READ);
    EXPECT_EQ(recorded_messages().size(), 3u) << "language, count, socket 1";
    EXPECT_EQ(sim_log_of("RX").size(), 3u);
    EXPECT_FALSE(form()[VC_PROGRESS].shown);
}

TEST_F(WineStation, Reboot) {
    std::int64_t start = sys_now_ms();
    velmor_command(VC_REBOOT);
    EXPECT_GE(sys_now_ms() - start, 400);
    EXPECT_EQ(sim_log_of("RX"), strings{"52 0D"});
    EXPECT_EQ(sim_command("config").back(), "reboots 1");
}

TEST_F(WineStation, MissingPortShowsThePortBox) {
    form()[VC_COM_PORT].list_index = sim_com(); // the next port: nothing there
    velmor_command(VC_REBOOT);
    ASSERT_EQ(recorded_messages().size(), 1u);
    EXPECT_EQ(recorded_messages()[0].text, "Error opening COM port!");
    EXPECT_TRUE(sim_log_of("RX").empty());
}
} // namespace
