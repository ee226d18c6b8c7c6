// Read, Write and Reboot of a station against a fake port and a recorded
// form: the bytes on the wire, their order and pauses, the progress steps,
// the buttons and the message boxes.
#include "event_log.h"
#include "fake_device.h"
#include "fake_form.h"
#include "form_commands.h"
#include "form_layout.h"
#include "form_rules.h"
#include "language.h"
#include "profile_velmor.h"
#include "settings.h"
#include "station_ops.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using fake::dev;
using fake::events_of;
using fake::form;
using strings = std::vector<std::string>;

class Station : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::reset();
        fake::reset_form();
        profile_set(&k_velmor_profile);
        lang_set(LANGUAGE_ENGLISH);
        settings_set_port(0);
        // The form as it starts, COM1 chosen.
        settings_set_port(1);
        form_start_values();
        form()[VC_DATE].text = "";
        form()[VC_TIME].text = "";
        form()[VC_PROGRESS].shown = false;
        fake::events().clear();
    }
    void TearDown() override {
        lang_set(LANGUAGE_ITALIAN);
        profile_set(nullptr);
    }

    // The Write example: 20/12/2013 16:17:54, French, one socket, Type 2,
    // no lock, no contactor, no meter, 16 and 10.
    void example_form() {
        form()[VC_DATE].text = "20/12/2013";
        form()[VC_TIME].text = "16:17:54";
        form()[VC_STATION_LANGUAGE].list_index = 3;
        form()[VC_SOCKET2].checked = 0;
        form()[VC_TYPE_1].list_index = 1;
        form()[VC_IMAX_1].text = "16";
        form()[VC_IMAXS_1].text = "10";
    }

    bool idle() {
        return form()[VC_WRITE].enabled && form()[VC_READ].enabled && form()[VC_REBOOT].enabled &&
               !form()[VC_PROGRESS].shown && !dev().is_open;
    }
};

TEST_F(Station, WriteExampleSendsTheSixCommandsWithTheirPauses) {
    example_form();
    velmor_command(VC_WRITE);
    EXPECT_EQ(events_of("write"), (strings{
                                      "44 13 12 20 0D",
                                      "4F 16 17 54 0D",
                                      "4C 46 52 0D",
                                      "4E 31 0D",
                                      "50 31 32 30 30 53 53 4E 31 36 31 30 0D",
                                      "41 30 30 30 30 30 30 30 30 0D",
                                  }));
    // Everything in order: buttons, bar, port, commands, progress, pauses.
    EXPECT_EQ(fake::events(), (strings{
                                  "disable 100",
                                  "disable 400",
                                  "disable 200",
                                  "progress 0",
                                  "show 913",
                                  "open COM1",
                                  "sleep 200",
                                  "write 44 13 12 20 0D",
                                  "progress 1",
                                  "sleep 250",
                                  "write 4F 16 17 54 0D",
                                  "progress 2",
                                  "sleep 250",
                                  "write 4C 46 52 0D",
                                  "progress 3",
                                  "sleep 250",
                                  "write 4E 31 0D",
                                  "progress 4",
                                  "sleep 250",
                                  "write 50 31 32 30 30 53 53 4E 31 36 31 30 0D",
                                  "progress 5",
                                  "sleep 300",
                                  "progress 6",
                                  "sleep 250",
                                  "write 41 30 30 30 30 30 30 30 30 0D",
                                  "progress 7",
                                  "enable 100",
                                  "enable 400",
                                  "enable 200",
                                  "hide 913",
                                  "sleep 200",
                                  "close",
                              }));
    EXPECT_EQ(settings_port(), 1);
    EXPECT_TRUE(idle());
}

TEST_F(Station, WriteOfTwoSocketsPausesFor1950Ms) {
    example_form();
    form()[VC_SOCKET2].checked = 1;
    form()[VC_MODE].list_index = MODE_ALTERNATE;
    form()[VC_TYPE_2].list_index = TYPE_3A;
    form()[VC_CONTACTOR_2].list_index = CONTACTOR_MIRROR;
    form()[VC_IMAX_2].text = "6";
    form()[VC_IMAXS_2].text = "6";
    velmor_command(VC_WRITE);
    strings w = events_of("write");
    ASSERT_EQ(w.size(), 7u);
    EXPECT_EQ(w[3], "4E 32 41 0D");
    EXPECT_EQ(w[5], "50 32 33 30 32 53 4E 4E 30 36 30 36 0D") << "P2 302SNN0606";
    int total = 0;
    for (int ms : dev().sleeps)
        total += ms;
    EXPECT_EQ(total, 1950);
}

TEST_F(Station, WriteWithoutDateAndTimeLeavesOutTheirCommandsAndSteps) {
    example_form();
    form()[VC_DATE].text = "";
    form()[VC_TIME].text = "";
    velmor_command(VC_WRITE);
    strings w = events_of("write");
    ASSERT_EQ(w.size(), 4u);
    EXPECT_EQ(w[0], "4C 46 52 0D");
    EXPECT_EQ(events_of("progress"), (strings{"0", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(dev().sleeps, (std::vector<int>{200, 250, 250, 250, 250, 300, 250, 200}));
}

TEST_F(Station, Year2100IsSentAsZero) {
    example_form();
    form()[VC_DATE].text = "01/01/2100";
    velmor_command(VC_WRITE);
    EXPECT_EQ(events_of("write").at(0), "44 00 01 01 0D");
}

TEST_F(Station, RefusedWriteSendsNothingAndKeepsTheButtons) {
    example_form();
    form()[VC_TIME].text = "24:00:00";
    velmor_command(VC_WRITE);
    EXPECT_EQ(fake::events(),
              (strings{"box Error|Invalid date/time: please check the format dd/mm/yyyy and "
                       "hh:mm:ss"}));
    EXPECT_TRUE(dev().opened.empty());
    EXPECT_TRUE(idle());
}

TEST_F(Station, RefusedWriteByEachKindOfRule) {
    struct {
        int control;
        int list;
        const char* text;
        const char* box;
    } cases[] = {
        {VC_LOCK_1, LOCK_ONE, nullptr,
         "box Warning|Locking type not allowed for the selected socket type"},
        {VC_IMAX_1, 0, "64",
         "box Error|Error on socket 1: I max M3. Please set a value between "
         "6 and 63."},
        {VC_CONTACTOR_1, CONTACTOR_MIRROR, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SetUp();
        example_form();
        form()[VC_TYPE_1].list_index = TYPE_1;
        if (c.control == VC_CONTACTOR_1) {
            form()[VC_TYPE_1].list_index = TYPE_2;
            form()[VC_METER_1].list_index = METER_PULSE;
        }
        if (c.text)
            form()[c.control].text = c.text;
        else
            form()[c.control].list_index = c.list;
        velmor_command(VC_WRITE);
        ASSERT_EQ(fake::events().size(), 1u);
        if (c.box)
            EXPECT_EQ(fake::events()[0], c.box);
        else
            EXPECT_EQ(fake::events()[0],
                      "box Warning|The mirror Contact is not available if the pulse meter is used");
        EXPECT_TRUE(dev().opened.empty());
    }
}

TEST_F(Station, WriteWhosePortFailsShowsThePortBox) {
    example_form();
    dev().open_succeeds = false;
    form()[VC_COM_PORT].list_index = 4;
    velmor_command(VC_WRITE);
    EXPECT_EQ(events_of("box"), (strings{"Error|Error opening COM port!"}));
    EXPECT_TRUE(events_of("write").empty());
    EXPECT_EQ(settings_port(), 5) << "the port tried is stored";
    EXPECT_TRUE(idle());
}

TEST_F(Station, NoPortChosen) {
    form()[VC_COM_PORT].list_index = -1;
    settings_set_port(7);
    velmor_command(VC_REBOOT);
    EXPECT_EQ(settings_port(), 0);
    EXPECT_EQ(fake::events(), (strings{"box Error|Error opening COM port!"}));
    velmor_command(VC_READ);
    EXPECT_TRUE(events_of("write").empty());
    EXPECT_TRUE(idle());
}

TEST_F(Station, RebootSendsRWithItsPausesAndTouchesNoButton) {
    form()[VC_COM_PORT].list_index = 2;
    velmor_command(VC_REBOOT);
    EXPECT_EQ(fake::events(),
              (strings{"open COM3", "sleep 200", "write 52 0D", "sleep 200", "close"}));
    EXPECT_EQ(settings_port(), 3);
}

// A station's answers to the three queries of a Read.
void answers(const std::vector<std::string>& texts) {
    for (const auto& t : texts)
        fake::script_read(fake::from_text(t));
}

TEST_F(Station, ReadOfTwoSockets) {
    answers({"L=SP\r", "N=2A\r", "P1x411SST3210\r", "P2y302SNN0606\r"});
    form()[VC_SOCKET2].checked = 1;
    velmor_command(VC_READ);
    EXPECT_EQ(events_of("write"), (strings{"4C 0D", "4E 0D", "50 31 0D", "50 32 0D"}));
    EXPECT_EQ(events_of("progress"), (strings{"0", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(dev().sleeps, (std::vector<int>{250, 200}));
    EXPECT_TRUE(dev().messages.empty());
    EXPECT_EQ(form()[VC_STATION_LANGUAGE].list_index, 2);
    EXPECT_EQ(form()[VC_MODE].list_index, MODE_ALTERNATE);
    EXPECT_EQ(form()[VC_SOCKET2].checked, 1);
    EXPECT_EQ(form()[VC_TYPE_1].list_index, TYPE_3C);
    EXPECT_EQ(form()[VC_LOCK_1].list_index, LOCK_ONE);
    EXPECT_EQ(form()[VC_CONTACTOR_1].list_index, CONTACTOR_COIMP);
    EXPECT_EQ(form()[VC_METER_1].list_index, METER_CT);
    EXPECT_EQ(form()[VC_IMAX_1].text, "32");
    EXPECT_EQ(form()[VC_IMAXS_1].text, "10");
    EXPECT_EQ(form()[VC_TYPE_2].list_index, TYPE_3A);
    EXPECT_EQ(form()[VC_CONTACTOR_2].list_index, CONTACTOR_MIRROR);
    EXPECT_EQ(form()[VC_IMAX_2].text, "6");
    EXPECT_EQ(form()[VC_IMAXS_2].text, "6");
    EXPECT_TRUE(idle());
    // The date and time fields are not touched.
    EXPECT_TRUE(events_of("text 901").empty());
}

TEST_F(Station, ReadOfOneSocketSwitchesSocket2OffAndStillAsksForIt) {
    answers({"L=IT\r", "N=1\r", "P1x200SSN1610\r", "P2x302SNN0606\r"});
    form()[VC_MODE].list_index = MODE_ALTERNATE;
    velmor_command(VC_READ);
    EXPECT_EQ(events_of("write").size(), 4u);
    EXPECT_EQ(form()[VC_SOCKET2].checked, 0);
    EXPECT_EQ(form()[VC_MODE].list_index, MODE_SIMULTANEOUS);
    for (int c : {VC_TYPE_2, VC_LOCK_2, VC_CONTACTOR_2, VC_METER_2, VC_IMAX_2, VC_IMAXS_2, VC_MODE})
        EXPECT_FALSE(form()[c].enabled) << c;
    EXPECT_EQ(form()[VC_TYPE_2].list_index, TYPE_3A) << "filled all the same";
}

TEST_F(Station, CountAnswers) {
    struct {
        const char* answer;
        int socket2;
        int mode;
        bool debug;
    } cases[] = {
        {"N=2a", 1, MODE_ALTERNATE, false},   {"N=2C", 1, MODE_SIMULTANEOUS, false},
        {"N=2", 0, MODE_SIMULTANEOUS, false}, {"N=0", 0, MODE_SIMULTANEOUS, false},
        {"N=", 0, MODE_SIMULTANEOUS, true},   {"", 0, MODE_SIMULTANEOUS, true},
    };
    for (const auto& c : cases) {
        SetUp();
        // Socket 2 off after an earlier one-socket Read.
        form()[VC_SOCKET2].checked = 0;
        for (int k :
             {VC_TYPE_2, VC_LOCK_2, VC_CONTACTOR_2, VC_METER_2, VC_IMAX_2, VC_IMAXS_2, VC_MODE})
            form()[k].enabled = false;
        form()[VC_MODE].list_index = 1 - c.mode;
        answers({"L=IT", c.answer, "P1x200SSN1610", "P2x200SSN1610"});
        velmor_command(VC_READ);
        EXPECT_EQ(form()[VC_SOCKET2].checked, c.socket2) << c.answer;
        for (int k :
             {VC_TYPE_2, VC_LOCK_2, VC_CONTACTOR_2, VC_METER_2, VC_IMAX_2, VC_IMAXS_2, VC_MODE})
            EXPECT_EQ(form()[k].enabled, c.socket2 == 1) << c.answer << " control " << k;
        EXPECT_EQ(form()[VC_MODE].list_index, c.mode) << c.answer;
        EXPECT_EQ(dev().messages.size(), c.debug ? 1u : 0u) << c.answer;
        EXPECT_EQ(events_of("write").size(), 4u) << c.answer;
    }
}

TEST_F(Station, LanguageAnswerThatDoesNotMatchShowsDebugAndGoesOn) {
    answers({"FR\r\n", "N=2C", "P1x200SSN1610", "P2x200SSN1610"});
    velmor_command(VC_READ);
    EXPECT_EQ(events_of("box"), (strings{"Error|Debug: 46 52 0d 0a"}));
    EXPECT_EQ(form()[VC_STATION_LANGUAGE].list_index, 3) << "taken from bytes 0 and 1";
    EXPECT_EQ(events_of("write").size(), 4u);
}

TEST_F(Station, SocketAnswerNotP1EndsTheRead) {
    answers({"L=IT", "N=2C", "X1x200SSN1610"});
    velmor_command(VC_READ);
    EXPECT_EQ(events_of("write"), (strings{"4C 0D", "4E 0D", "50 31 0D"}));
    EXPECT_EQ(events_of("box"), (strings{"Error|Debug: 58 31 78 32"}));
    EXPECT_EQ(fake::events().back(), "hide 913");
    EXPECT_TRUE(idle());
    EXPECT_EQ(form()[VC_TYPE_1].list_index, 0);
}

TEST_F(Station, SilentStationIsNoAnswer) {
    // Nothing scripted: every read brings nothing.
    velmor_command(VC_READ);
    EXPECT_EQ(events_of("box"), (strings{"Error|Debug: 00 00 00 00", "Error|Debug: 00 00 00 00",
                                         "Error|Debug: 00 00 00 00"}));
    EXPECT_EQ(events_of("write"), (strings{"4C 0D", "4E 0D", "50 31 0D"}))
        << "an empty socket answer ends the Read";
    EXPECT_EQ(form()[VC_SOCKET2].checked, 0);
    EXPECT_TRUE(idle());
}

TEST_F(Station, UnreadableCurrentsKeepTheFieldsAndTheReadGoesOn) {
    form()[VC_IMAX_1].text = "20";
    form()[VC_IMAXS_1].text = "8";
    answers({"L=IT", "N=2C", "P1x411SSTAB10", "P2x302SNN0606"});
    velmor_command(VC_READ);
    EXPECT_EQ(events_of("box"), (strings{"Error|Debug: 54 41 42 31"}));
    EXPECT_EQ(form()[VC_TYPE_1].list_index, TYPE_3C);
    EXPECT_EQ(form()[VC_IMAX_1].text, "20");
    EXPECT_EQ(form()[VC_IMAXS_1].text, "8");
    EXPECT_EQ(form()[VC_TYPE_2].list_index, TYPE_3A);
}

TEST_F(Station, ReadWhosePortFails) {
    dev().open_succeeds = false;
    velmor_command(VC_READ);
    EXPECT_EQ(fake::events(), (strings{"disable 100", "disable 400", "disable 200", "progress 0",
                                       "show 913", "open COM1", "box Error|Error opening COM port!",
                                       "enable 100", "enable 400", "enable 200", "hide 913"}));
}

TEST_F(Station, PortBoxAndDebugBoxInItalian) {
    lang_set(LANGUAGE_ITALIAN);
    dev().open_succeeds = false;
    velmor_command(VC_REBOOT);
    EXPECT_EQ(events_of("box"),
              (strings{"Errore|Errore durante l'apertura della porta COM selezionata!"}));
}

// The adapter pulled out in the middle: the operation ends at the command the
// port did not take, the form comes back and the technician is told.
TEST_F(Station, FailedWriteToThePortEndsEachOperation) {
    const strings box = {"Error|Communication error with the station"};
    // The last progress step before each command of the one-socket Write.
    const char* const reached[] = {"0", "1", "2", "3", "4", "6"};
    for (int taken = 0; taken < 6; ++taken) {
        SetUp();
        example_form();
        dev().writes_before_failing = taken;
        velmor_command(VC_WRITE);
        EXPECT_EQ(events_of("write").size(), static_cast<std::size_t>(taken + 1)) << taken;
        EXPECT_EQ(events_of("box"), box) << taken;
        EXPECT_TRUE(idle()) << taken;
        EXPECT_EQ(events_of("progress").back(), reached[taken])
            << "no progress past the failed command";
    }
    for (int taken = 0; taken < 4; ++taken) {
        SetUp();
        answers({"L=IT\r", "N=2C\r", "P1x200SSN1610\r", "P2x200SSN1610\r"});
        dev().writes_before_failing = taken;
        velmor_command(VC_READ);
        EXPECT_EQ(events_of("write").size(), static_cast<std::size_t>(taken + 1)) << taken;
        EXPECT_EQ(events_of("box"), box) << taken;
        EXPECT_TRUE(idle()) << taken;
    }
    SetUp();
    dev().write_fails = true;
    velmor_command(VC_REBOOT);
    EXPECT_EQ(events_of("box"), box);
    EXPECT_FALSE(dev().is_open);
    lang_set(LANGUAGE_FRENCH);
    velmor_command(VC_REBOOT);
    EXPECT_EQ(events_of("box"), (strings{box[0], "Erreur|Erreur de communication avec la borne"}));
}

// A Read of a one-socket station, then of a two-socket one, then a Write:
// the second station keeps its two sockets.
TEST_F(Station, TwoSocketStationReadAfterAOneSocketStationStaysTwoSocket) {
    answers({"L=IT\r", "N=1\r", "P1x200SSN1610\r", "P2x200SSN1610\r"});
    velmor_command(VC_READ);
    ASSERT_EQ(form()[VC_SOCKET2].checked, 0);
    answers({"L=IT\r", "N=2A\r", "P1x200SSN1610\r", "P2x302SNN0606\r"});
    velmor_command(VC_READ);
    EXPECT_EQ(form()[VC_SOCKET2].checked, 1);
    EXPECT_TRUE(form()[VC_TYPE_2].enabled);
    EXPECT_TRUE(form()[VC_MODE].enabled);
    fake::events().clear();
    velmor_command(VC_WRITE);
    strings w = events_of("write");
    ASSERT_EQ(w.size(), 5u) << "no date or time, four settings and the closing command";
    EXPECT_EQ(w[1], "4E 32 41 0D") << "N2A";
    EXPECT_EQ(w[3], "50 32 33 30 32 53 4E 4E 30 36 30 36 0D") << "P2 302SNN0606";
}

// A one-socket station's Write is not refused by what socket 2's disabled
// lists still hold from an earlier two-socket station.
TEST_F(Station, OneSocketWriteIgnoresTheHiddenSocket2Lists) {
    answers({"L=IT\r", "N=2C\r", "P1x200SSN1610\r", "P2x520SSN1610\r"});
    velmor_command(VC_READ);
    answers({"L=IT\r", "N=1\r", "P1x200SSN1610\r", "P2x520SSN1610\r"});
    velmor_command(VC_READ);
    ASSERT_EQ(form()[VC_LOCK_2].list_index, LOCK_TWO);
    ASSERT_EQ(form()[VC_TYPE_2].list_index, TYPE_DOMESTIC);
    fake::events().clear();
    velmor_command(VC_WRITE);
    EXPECT_TRUE(events_of("box").empty());
    EXPECT_EQ(events_of("write").size(), 4u);
}

class FormRules : public Station {};

TEST_F(FormRules, Socket2CheckBoxEnablesItsSevenControls) {
    form()[VC_SOCKET2].checked = 0;
    form_socket2_changed();
    EXPECT_EQ(events_of("disable"), (strings{"630", "908", "909", "671", "910", "911", "650"}));
    form()[VC_SOCKET2].checked = 1;
    form_socket2_changed();
    EXPECT_EQ(events_of("enable").size(), 7u);
}

TEST_F(FormRules, MeterCopyOnlyInAlternateMode) {
    form()[VC_METER_1].list_index = METER_DIGITAL;
    form_meter_copy(VC_METER_1);
    EXPECT_EQ(form()[VC_METER_2].list_index, 0) << "Simultaneous: no copy";
    form()[VC_MODE].list_index = MODE_ALTERNATE;
    form_meter_copy(VC_METER_1);
    EXPECT_EQ(form()[VC_METER_2].list_index, METER_DIGITAL);
    form()[VC_METER_2].list_index = METER_CT;
    form_meter_copy(VC_METER_2);
    EXPECT_EQ(form()[VC_METER_1].list_index, METER_CT);
    form()[VC_METER_1].list_index = METER_PULSE;
    form_meter_copy(VC_MODE);
    EXPECT_EQ(form()[VC_METER_2].list_index, METER_PULSE) << "the mode list copies 1 to 2";
}
} // namespace
