// The station setup tool against a fake port and a recorded form: the wire
// forms of the station record, the configuration rules, the Read, Write and
// Reboot sequences (bytes, pauses, progress, buttons, boxes) and the form.
#include "config_check.h"
#include "fake_device.h"
#include "fake_form.h"
#include "fake_store.h"
#include "form_commands.h"
#include "form_layout.h"
#include "form_rules.h"
#include "language.h"
#include "profile_velmor.h"
#include "settings.h"
#include "station_ops.h"
#include "trace.h"
#include "velmor_texts.h"

#include <gtest/gtest.h>

namespace {
using fake::dev;
using fake::events_of;
using fake::form;
using strings = std::vector<std::string>;

fake::bytes of(const std::string& s) {
    return fake::bytes(s.begin(), s.end());
}

TEST(StationWire, CommandsAndBlocks) {
    EXPECT_EQ(bcd_byte(13), 0x13);
    EXPECT_EQ(bcd_byte(59), 0x59);
    EXPECT_EQ(bcd_byte(2013), 0x21) << "(2013 mod 256) mod 100";
    struct {
        socket_config s;
        const char* block;
    } blocks[] = {
        {socket_config{TYPE_3C, LOCK_ONE, CONTACTOR_COIMP, METER_CT, "32", "10"}, "411SST3210"},
        {socket_config{TYPE_3A, LOCK_NONE, CONTACTOR_MIRROR, METER_NONE, "6", "6"}, "302SNN0606"},
        {socket_config{TYPE_1, LOCK_NONE, CONTACTOR_NONE, METER_DIGITAL, "63", "16"}, "100SSD6316"},
        {socket_config{TYPE_DOMESTIC, LOCK_TWO, CONTACTOR_NONE, METER_PULSE, "06", "7"},
         "520SNI0607"},
        {socket_config{LIST_UNSET, LIST_UNSET, LIST_UNSET, LIST_UNSET, "16", "10"}, "200SNN1610"},
        {socket_config{k_socket_types.count, k_locking_types.count, k_contactor_controls.count,
                       k_meter_types.count, "16", "10"},
         "200SNN1610"}, // past the end of each list: none chosen
    };
    for (const auto& b : blocks)
        EXPECT_EQ(encode_socket_block(b.s), b.block);
    EXPECT_STREQ(encode_station_language(LIST_UNSET), "IT");
    EXPECT_STREQ(encode_station_language(3), "FR");
    EXPECT_STREQ(encode_socket_count(false, MODE_ALTERNATE), "1");
    EXPECT_STREQ(encode_socket_count(true, MODE_SIMULTANEOUS), "2C");
    EXPECT_STREQ(encode_socket_count(true, LIST_UNSET), "2A");
    EXPECT_EQ(station_language_of('F', 'R'), 3);
    EXPECT_EQ(station_language_of('F', 'T'), LIST_UNSET) << "both letters count";
    EXPECT_EQ(station_language_of('X', 'R'), LIST_UNSET);
}

TEST(StationWire, SocketAnswers) {
    struct {
        const char* answer;
        int result;
        const char* block; // the socket as the form then holds it
    } sockets[] = {
        {"P1x411SST3210\r", SOCKET_REPLY_OK, "411SST3210"},
        {"P1x100SSN1616", SOCKET_REPLY_OK, "100SSN1616"},
        // Currents that are not two fields of two digits are left empty.
        {"P1x200SSNAB06", SOCKET_REPLY_BAD_CURRENTS, "200SSN0000"},
        {"P1x200SSN166X", SOCKET_REPLY_BAD_CURRENTS, "200SSN0000"},
        {"P1x200SSN1X06", SOCKET_REPLY_BAD_CURRENTS, "200SSN0000"},
        {"P1x200SSN 616", SOCKET_REPLY_BAD_CURRENTS, "200SSN0000"},
        {"P2x100SSN0606", SOCKET_REPLY_REFUSED, "520SNI3210"},
        {"P1x100SSN06", SOCKET_REPLY_REFUSED, "520SNI3210"},
        {"", SOCKET_REPLY_REFUSED, "520SNI3210"},
    };
    for (const auto& r : sockets) {
        socket_config s =
            socket_config{TYPE_DOMESTIC, LOCK_TWO, CONTACTOR_NONE, METER_PULSE, "32", "10"};
        fake::bytes a = of(r.answer);
        EXPECT_EQ(decode_socket_reply(a.data(), a.size(), '1', &s), r.result) << r.answer;
        EXPECT_EQ(encode_socket_block(s), r.block) << r.answer;
        if (r.result == SOCKET_REPLY_BAD_CURRENTS) {
            EXPECT_EQ(s.imax_m3 + "|" + s.imax_m3s, "|") << r.answer;
        }
    }
    // Codes no list holds leave their lists with no entry chosen, never
    // another option: 7, 9, X; 0, /, 0; 6, 3; and a contactor of 3.
    struct {
        const char* answer;
        int type, lock, contactor, meter;
    } unknown[] = {
        {"P1 793SSX1616", LIST_UNSET, LIST_UNSET, LIST_UNSET, LIST_UNSET},
        {"P1 0/0SSI1616", LIST_UNSET, LIST_UNSET, CONTACTOR_NONE, METER_PULSE},
        {"P1 632SSD1616", LIST_UNSET, LIST_UNSET, CONTACTOR_MIRROR, METER_DIGITAL},
        {"P1 213SST1616", TYPE_2, LOCK_ONE, LIST_UNSET, METER_CT},
    };
    for (const auto& u : unknown) {
        socket_config s;
        fake::bytes a = of(u.answer);
        EXPECT_EQ(decode_socket_reply(a.data(), a.size(), '1', &s), SOCKET_REPLY_OK);
        EXPECT_EQ(s.socket_type, u.type) << u.answer;
        EXPECT_EQ(s.locking_type, u.lock) << u.answer;
        EXPECT_EQ(s.contactor_control, u.contactor) << u.answer;
        EXPECT_EQ(s.meter_type, u.meter) << u.answer;
    }
    int language = 0;
    EXPECT_TRUE(read_language_answer(of("L=DE").data(), 4, &language));
    EXPECT_EQ(language, LIST_UNSET) << "a language no list holds";
}

// The suite's style in each language: no blank before a colon in French,
// the Spanish rule messages in the infinitive, as "Introducir un valor".
TEST(VelmorTexts, OneStyleInEachLanguage) {
    for (int row = 0; row < VT_ROW_COUNT; ++row)
        EXPECT_EQ(std::string(vtext_in(row, LANGUAGE_FRENCH)).find(" :"), std::string::npos)
            << vtext_in(row, LANGUAGE_FRENCH);
    EXPECT_STREQ(vtext_in(VT_MSG_NOT_HELD, LANGUAGE_FRENCH),
                 "La borne ne contient pas ce qui a été écrit: ");
    const char* const spanish[] = {
        "elegir el tipo de toma", "elegir el tipo de bloqueo", "elegir el control del contactor",
        "elegir la medición de corriente", "Idioma: elegir el idioma de la estación"};
    for (int i = 0; i < 5; ++i)
        EXPECT_STREQ(vtext_in(VT_MSG_CHOOSE_TYPE + i, LANGUAGE_SPANISH), spanish[i]);
}

class Rules : public ::testing::Test {
  protected:
    void SetUp() override { lang_set(LANGUAGE_ENGLISH); }
    void TearDown() override { lang_set(LANGUAGE_ITALIAN); }
    static station_config valid() {
        station_config c;
        c.date = "20/12/2013";
        c.time = "16:17:54";
        for (socket_config& s : c.sockets)
            s = socket_config{TYPE_2, LOCK_NONE, CONTACTOR_NONE, METER_NONE, "16", "10"};
        return c;
    }
    // The failure text, or "" when the configuration passes.
    static std::string failure_of(const station_config& c, int* caption = nullptr) {
        checked_datetime dt;
        check_failure f;
        if (config_check(c, &dt, &f))
            return "";
        if (caption)
            *caption = f.caption_row;
        return f.text;
    }
    const std::string datetime =
        "Invalid date/time: please check the format dd/mm/yyyy and hh:mm:ss";
    const std::string locking = "Locking type not allowed for the selected socket type";
    const std::string mirror = "The mirror Contact is not available if the pulse meter is used";
};

TEST_F(Rules, DatesAndTimes) {
    auto with = [](const std::string& date, const std::string& time) {
        station_config c = valid();
        c.date = date;
        c.time = time;
        return failure_of(c);
    };
    for (const std::string& d : strings{"29/02/2016", "01/01/2100", "01/01/2013", ""})
        EXPECT_EQ(with(d, "16:17:54"), "") << d;
    for (const std::string& t : strings{"23:59:59", "00:00:00", ""})
        EXPECT_EQ(with("20/12/2013", t), "") << t;
    for (const std::string& d : strings{
             "1/2/2014",    "01/01/2012",     "01/01/2101", "1a/02/2014",          "01-01-2014",
             "01/01.2014",  "00/01/2014",     "32/01/2014", "01/00/2014",          "01/13/2014",
             "01/01/20144", "20/12/2013\x01", "01/1/20145", std::string(300, '1'), "31/02/2014",
             "30/02/2016",  "29/02/2014",     "31/04/2014", " 1/02/2014",          "+1/02/2014"})
        EXPECT_EQ(with(d, ""), datetime) << d;
    for (const std::string& t :
         strings{"24:00:00", "7:05:00", "12:60:00", "12:00:60", "12-00-00", "12:00.00", "ab:cd:ef",
                 "-1:00:00", "12:0:000", "12:00:001", " 7:05:00", "+7:05:00", "12: 5:00"})
        EXPECT_EQ(with("", t), datetime) << t;
    int caption = -1;
    station_config c = valid();
    c.date = "x";
    failure_of(c, &caption);
    EXPECT_EQ(caption, VT_CAPTION_ERROR);
}

TEST_F(Rules, SocketRulesInTheirOrder) {
    struct {
        int socket, type, lock;
        bool refused;
    } locks[] = {
        {0, TYPE_DOMESTIC, LOCK_TWO, true},  {1, TYPE_DOMESTIC, LOCK_TWO, true},
        {0, TYPE_1, LOCK_ONE, true},         {1, TYPE_1, LOCK_TWO, true},
        {0, TYPE_DOMESTIC, LOCK_ONE, false}, {0, TYPE_3A, LOCK_TWO, false},
        {1, TYPE_1, LOCK_NONE, false},
    };
    for (const auto& l : locks) {
        station_config c = valid();
        c.sockets[l.socket].socket_type = l.type;
        c.sockets[l.socket].locking_type = l.lock;
        int caption = -1;
        EXPECT_EQ(failure_of(c, &caption), l.refused ? locking : "")
            << l.socket << l.type << l.lock;
        EXPECT_EQ(caption, l.refused ? VT_CAPTION_WARNING : -1);
    }
    const std::string m3_1 = "Error on socket 1: I max M3. Please set a value between 6 and 63.";
    const std::string m3s_1 = "Error on socket 1: I max M3-S. Please set a value between 6 and 16.";
    struct {
        int socket;
        std::string imax, imaxs, message;
    } currents[] = {
        {0, "63", "16", ""},
        {0, "06", "16", ""},
        // The whole field is one number: nothing before, after or inside it.
        {0, "6O", "10", m3_1},
        {0, "1 6", "10", m3_1},
        {0, "16A", "10", m3_1},
        {0, " 16", "10", m3_1},
        {0, "+16", "10", m3_1},
        {0, "6.5", "10", m3_1},
        {0, " 63\x01trailing", "6", m3_1},
        {0, "16", "10 ", m3s_1},
        {0, "5", "10", m3_1},
        {0, "64", "10", m3_1},
        {0, "", "10", m3_1},
        {0, "\xEF\xBC\x91\xEF\xBC\x96", "10", m3_1}, // full-width digits
        {0, "99999999999999", "10", m3_1},
        {0, "16", "5", m3s_1},
        {0, "16", "17", m3s_1},
        {1, "x16", "10", "Error on socket 2: I max M3. Please set a value between 6 and 63."},
        {1, "16", "", "Error on socket 2: I max M3-S. Please set a value between 6 and 16."},
    };
    for (const auto& k : currents) {
        station_config c = valid();
        c.sockets[k.socket].imax_m3 = k.imax;
        c.sockets[k.socket].imax_m3s = k.imaxs;
        EXPECT_EQ(failure_of(c), k.message) << k.socket << " " << k.imax << " " << k.imaxs;
    }
    // A list with no entry chosen (a code no list holds was read) refuses the
    // Write while its socket is on.
    struct {
        int socket;
        int socket_config::*list;
        const char* message;
    } unchosen[] = {
        {0, &socket_config::socket_type, "Socket 1: choose the socket type"},
        {0, &socket_config::locking_type, "Socket 1: choose the locking type"},
        {1, &socket_config::contactor_control, "Socket 2: choose the contactor control"},
        {1, &socket_config::meter_type, "Socket 2: choose the current measure"},
    };
    for (const auto& u : unchosen) {
        station_config c = valid();
        c.sockets[u.socket].*u.list = LIST_UNSET;
        int caption = -1;
        EXPECT_EQ(failure_of(c, &caption), u.message);
        EXPECT_EQ(caption, VT_CAPTION_WARNING);
        c.two_sockets = false;
        EXPECT_EQ(failure_of(c), u.socket == 0 ? u.message : "") << "socket 2 off: not sent";
    }
    {
        station_config c = valid();
        c.station_language = LIST_UNSET;
        EXPECT_EQ(failure_of(c), "Language: choose the station language");
        lang_set(LANGUAGE_FRENCH);
        c.station_language = 0;
        c.sockets[0].socket_type = LIST_UNSET;
        EXPECT_EQ(failure_of(c), "Prise 1: choisissez le type de prise");
        lang_set(LANGUAGE_ENGLISH);
    }
    station_config c = valid();
    c.sockets[0].contactor_control = CONTACTOR_MIRROR;
    c.sockets[0].meter_type = METER_CT;
    EXPECT_EQ(failure_of(c), "");
    c.sockets[0].meter_type = METER_PULSE;
    int caption = -1;
    EXPECT_EQ(failure_of(c, &caption), mirror);
    EXPECT_EQ(caption, VT_CAPTION_WARNING);
    // The first failing rule wins: date/time, locking, currents, mirror.
    c.time = "24:00:00";
    c.sockets[0].socket_type = TYPE_1;
    c.sockets[0].locking_type = LOCK_ONE;
    c.sockets[0].imax_m3 = "";
    EXPECT_EQ(failure_of(c), datetime);
    c.time = "";
    EXPECT_EQ(failure_of(c), locking);
    c.sockets[0].socket_type = TYPE_2;
    EXPECT_EQ(failure_of(c), m3_1);
    c.sockets[0].imax_m3 = "20";
    EXPECT_EQ(failure_of(c), mirror);
}

// A one-socket Write sends nothing of socket 2: what its disabled lists hold
// refuses nothing, while socket 1 is still held to every rule.
TEST_F(Rules, SocketTwoSwitchedOffIsNotChecked) {
    station_config c = valid();
    c.sockets[1] = socket_config{TYPE_DOMESTIC, LOCK_TWO, CONTACTOR_MIRROR, METER_PULSE, "", ""};
    EXPECT_EQ(failure_of(c), locking) << "switched on, socket 2 is checked";
    c.two_sockets = false;
    EXPECT_EQ(failure_of(c), "");
    c.sockets[1].socket_type = TYPE_2;
    c.sockets[1].imax_m3 = "16";
    c.sockets[1].imax_m3s = "10";
    c.two_sockets = true;
    EXPECT_EQ(failure_of(c), mirror) << "switched on, socket 2 is checked";
    c.two_sockets = false;
    EXPECT_EQ(failure_of(c), "");
    c.sockets[0].socket_type = TYPE_1;
    c.sockets[0].locking_type = LOCK_ONE;
    EXPECT_EQ(failure_of(c), locking) << "socket 1 still counts";
}

// An observer that keeps nothing: what a caller that is not the form sees is
// the operation's outcome.
struct quiet_observer : station_observer {
    void busy(bool) override {}
    void progress(int) override {}
    void language_read(int) override {}
    void count_read(bool, int) override {}
    void socket_read(int, const socket_config&) override { ++sockets; }
    int sockets = 0; // how many sockets were reported read
};

// The three operations, started as the form's buttons start them.
class Station : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::reset();
        fake::reset_form();
        fake::reset_store();
        fake::control_names() = {
            {VC_WRITE, "Write"},       {VC_READ, "Read"},        {VC_REBOOT, "Reboot"},
            {VC_PROGRESS, "progress"}, {VC_SOCKET2, "socket 2"}, {VC_STATION_LANGUAGE, "language"},
            {VC_MODE, "mode"},         {VC_DATE, "date"},        {VC_TIME, "time"}};
        profile_set(&k_velmor_profile);
        lang_set(LANGUAGE_ENGLISH);
        settings_set_port(1);
        form_start_values(); // COM1 chosen
        form()[VC_DATE].text = "";
        form()[VC_TIME].text = "";
        form()[VC_PROGRESS].shown = false;
        fake::events().clear();
        boxes.told.clear();
    }
    void TearDown() override {
        fake::control_names().clear();
        lang_set(LANGUAGE_ITALIAN);
        profile_set(nullptr);
    }
    // The outcomes told, in order.
    std::vector<result> told() const {
        std::vector<result> out;
        for (const outcome& o : boxes.told)
            out.push_back(o.what);
        return out;
    }
    fake::recording_teller boxes{vtext};
    device_link link{k_velmor_profile, &boxes};
    // The Write example: 20/12/2013 16:17:54, French, one socket, Type 2,
    // no lock, no contactor, no meter, 16 and 10.
    void example_form() {
        form()[VC_DATE].text = "20/12/2013";
        form()[VC_TIME].text = "16:17:54";
        form()[VC_STATION_LANGUAGE].list_index = 3;
        form()[VC_SOCKET2].checked = false;
        form()[VC_TYPE_1].list_index = TYPE_2;
        form()[VC_IMAX_1].text = "16";
        form()[VC_IMAXS_1].text = "10";
    }
    // The station's answers, one after the other, separated by "|".
    static void answers(const std::string& texts) {
        for (std::size_t at = 0, end = 0; at < texts.size(); at = end + 1) {
            end = std::min(texts.find('|', at), texts.size());
            fake::script_read(of(texts.substr(at, end - at)));
        }
    }
    bool idle() {
        return form()[VC_WRITE].enabled && form()[VC_READ].enabled && form()[VC_REBOOT].enabled &&
               !form()[VC_PROGRESS].shown && !dev().is_open;
    }
    const std::string busy =
        "disable Write; disable Read; disable Reboot; progress 0; show progress; ";
    const std::string done = "enable Write; enable Read; enable Reboot; hide progress";
};

TEST_F(Station, WriteExampleOnTheWireWithItsPauses) {
    example_form();
    answers("L=FR\r|N=1\r|P1x200SSN1610\r|P2x411SST3210\r"); // asked back: held
    velmor_command(link, VC_WRITE);
    EXPECT_EQ(fake::log_text(),
              busy +
                  "open \\\\.\\COM1; sleep 200; write 44 13 12 20 0D; progress 1; sleep 250; "
                  "write 4F 16 17 54 0D; progress 2; sleep 250; write 4C 46 52 0D; progress 3; "
                  "sleep 250; write 4E 31 0D; progress 4; sleep 250; "
                  "write 50 31 32 30 30 53 53 4E 31 36 31 30 0D; progress 5; sleep 300; "
                  "progress 6; sleep 250; write 41 30 30 30 30 30 30 30 30 0D; progress 7; "
                  // then asked back with the Read's queries and pauses
                  "sleep 200; write 4C 0D; read; sleep 250; write 4E 0D; read; "
                  "write 50 31 0D; read; write 50 32 0D; read; " +
                  done + "; sleep 200; close");
    EXPECT_TRUE(idle());

    // Two sockets; no date or time; the year 2100 goes out as 00.
    SetUp();
    example_form();
    form()[VC_DATE].text = "01/01/2100";
    form()[VC_TIME].text = "";
    form()[VC_SOCKET2].checked = true;
    form()[VC_MODE].list_index = MODE_ALTERNATE;
    form()[VC_TYPE_2].list_index = TYPE_3A;
    form()[VC_CONTACTOR_2].list_index = CONTACTOR_MIRROR;
    form()[VC_IMAX_2].text = "6";
    form()[VC_IMAXS_2].text = "6";
    answers("L=FR\r|N=2A\r|P1x200SSN1610\r|P2x302SNN0606\r");
    velmor_command(link, VC_WRITE);
    EXPECT_EQ(
        events_of("write"),
        (strings{"44 00 01 01 0D", "4C 46 52 0D", "4E 32 41 0D",
                 "50 31 32 30 30 53 53 4E 31 36 31 30 0D", "50 32 33 30 32 53 4E 4E 30 36 30 36 0D",
                 "41 30 30 30 30 30 30 30 30 0D", "4C 0D", "4E 0D", "50 31 0D", "50 32 0D"}));
    EXPECT_TRUE(events_of("box").empty()) << "the station holds it";
    EXPECT_EQ(events_of("progress"), (strings{"0", "1", "3", "4", "5", "6", "7"}));
}

TEST_F(Station, RefusedWritesAndPortsThatFail) {
    example_form();
    form()[VC_TYPE_1].list_index = TYPE_1;
    form()[VC_LOCK_1].list_index = LOCK_ONE;
    form()[VC_COM_PORT].list_index = 4;
    velmor_command(link, VC_WRITE);
    EXPECT_EQ(fake::events(),
              strings{"box Warning|Locking type not allowed for the selected socket type"});
    EXPECT_TRUE(events_of("open").empty());
    EXPECT_EQ(settings_port(), 1) << "a refused Write stores no port";

    SetUp();
    example_form();
    dev().open_succeeds = false;
    form()[VC_COM_PORT].list_index = 4;
    velmor_command(link, VC_READ);
    EXPECT_EQ(fake::log_text(),
              busy + "open \\\\.\\COM5; box Error|Error opening COM port!; " + done);
    EXPECT_EQ(settings_port(), 5) << "the port tried is stored";
    velmor_command(link, VC_WRITE);
    EXPECT_EQ(events_of("box").size(), 2u) << "a Write whose port does not open is told as well";
    EXPECT_TRUE(idle());
    fake::events().clear();
    lang_set(LANGUAGE_ITALIAN);
    form()[VC_COM_PORT].list_index = -1;
    velmor_command(link, VC_REBOOT);
    EXPECT_EQ(fake::events(),
              strings{"box Errore|Errore durante l'apertura della porta COM selezionata!"});
    EXPECT_EQ(settings_port(), 5) << "no port chosen: the one stored is kept";

    SetUp();
    form()[VC_COM_PORT].list_index = 2;
    dev().now = 5000;
    velmor_command(link, VC_REBOOT);
    EXPECT_EQ(fake::events(),
              (strings{"open \\\\.\\COM3", "sleep 200", "write 52 0D", "sleep 200", "close"}));
    EXPECT_EQ(dev().debug_lines, (strings{"velmor 5000 OPEN \\\\.\\COM3 opened\n",
                                          "velmor 5200 TX 52 0D |R.| sent\n"}))
        << "the trace";
    const std::string line = trace_line("velmor", "TX", of("D\x13\x12 \r").data(), 5, "sent");
    EXPECT_EQ(line.substr(line.find(" TX")), " TX 44 13 12 20 0D |D.. .| sent\n")
        << "printable bytes as they are, a blank too";
}

// The adapter pulled out in the middle: the operation ends at the command the
// port did not take, the form comes back and the technician is told.
TEST_F(Station, FailedWriteToThePortEndsEachOperation) {
    const strings box = {"Error|Communication error with the station"};
    // The Write's six commands, then the four queries of its check.
    const char* const reached[] = {"0", "1", "2", "3", "4", "6", "7", "7", "7", "7"};
    for (int taken = 0; taken < 10; ++taken) {
        SetUp();
        example_form();
        answers("L=FR\r|N=1\r|P1x200SSN1610\r|P2x200SSN1610\r"); // the check's
        dev().writes_before_failing = taken;
        velmor_command(link, VC_WRITE);
        EXPECT_EQ(events_of("write").size(), static_cast<std::size_t>(taken + 1)) << taken;
        EXPECT_EQ(events_of("box"), box) << taken;
        EXPECT_TRUE(idle()) << taken;
        EXPECT_EQ(events_of("progress").back(), reached[taken]) << "no progress past it";
    }
    for (int taken = 0; taken < 4; ++taken) {
        SetUp();
        answers("L=IT\r|N=2C\r|P1x200SSN1610\r|P2x200SSN1610\r");
        dev().writes_before_failing = taken;
        velmor_command(link, VC_READ);
        EXPECT_EQ(events_of("write").size(), static_cast<std::size_t>(taken + 1)) << taken;
        EXPECT_EQ(events_of("box"), box) << taken;
        EXPECT_TRUE(idle()) << taken;
    }
    SetUp();
    dev().write_fails = true;
    velmor_command(link, VC_REBOOT);
    lang_set(LANGUAGE_FRENCH);
    velmor_command(link, VC_REBOOT);
    EXPECT_EQ(events_of("box"), (strings{box[0], "Erreur|Erreur de communication avec la borne"}));
    EXPECT_FALSE(dev().is_open);
}

// While a box of velmor's is open, Read, Write and Reboot clicked behind it
// are dropped, not queued; the buttons come back only once the box is gone.
TEST_F(Station, OperationsWaitWhileABoxIsOpen) {
    dev().on_message = [this] {
        for (int id : {VC_READ, VC_WRITE, VC_REBOOT})
            velmor_command(link, id);
    };
    example_form();
    dev().writes_before_failing = 2;
    velmor_command(link, VC_WRITE);
    EXPECT_EQ(events_of("open").size(), 1u) << "nothing started behind the box";
    EXPECT_EQ(events_of("write").size(), 3u);
    const std::string log = fake::log_text();
    EXPECT_EQ(log.substr(log.rfind("close")),
              "close; box Error|Communication error with the station; " + done);

    SetUp();
    dev().on_message = [this] { velmor_command(link, VC_WRITE); };
    example_form();
    form()[VC_IMAX_1].text = "70";
    velmor_command(link, VC_WRITE);
    EXPECT_EQ(events_of("box").size(), 1u) << "one rule box, no second behind it";
    EXPECT_TRUE(events_of("open").empty()) << "nothing sent behind the rule box";
    dev().on_message = nullptr;
    velmor_command(link, VC_REBOOT); // taken again once no box is open
    EXPECT_EQ(events_of("open").size(), 1u);
}

// Ports a USB adapter gets: COM12 is chosen at the start and used; a stored
// port beyond the list is kept until an operation runs on another.
TEST_F(Station, PortsAboveNineAreChosenAndKept) {
    settings_set_port(12);
    form_start_values();
    EXPECT_EQ(form()[VC_COM_PORT].list_index, 11);
    fake::events().clear();
    velmor_command(link, VC_REBOOT);
    EXPECT_EQ(events_of("open"), strings{"\\\\.\\COM12"});
    settings_set_port(40);
    form_start_values();
    EXPECT_EQ(form()[VC_COM_PORT].list_index, -1);
    velmor_command(link, VC_READ);
    settings_save(link);
    EXPECT_EQ(fake::store().keys["Software\\Velmor"]["Port"], "COM40");
    form()[VC_COM_PORT].list_index = 6;
    velmor_command(link, VC_REBOOT);
    settings_save(link);
    EXPECT_EQ(fake::store().keys["Software\\Velmor"]["Port"], "COM7");
    form()[VC_COM_PORT].list_index = 0;
    velmor_command(link, VC_READ);
    EXPECT_EQ(settings_port(), 1) << "COM1, the first entry, is stored too";
}

TEST_F(Station, ReadsFillTheForm) {
    answers("L=SP\r|N=2A\r|P1x411SST3210\r|P2y302SNN0606\r");
    velmor_command(link, VC_READ);
    EXPECT_EQ(events_of("write"), (strings{"4C 0D", "4E 0D", "50 31 0D", "50 32 0D"}));
    EXPECT_EQ(events_of("progress"), (strings{"0", "3", "4", "5", "6", "7"}));
    ASSERT_EQ(dev().debug_lines.size(), 9u) << "the open, each query and answer traced";
    EXPECT_EQ(dev().debug_lines[2].substr(dev().debug_lines[2].find(" RX")),
              " RX 4C 3D 53 50 0D |L=SP.| reply\n");
    EXPECT_EQ(events_of("sleep"), (strings{"250", "200"}));
    EXPECT_TRUE(events_of("box").empty());
    EXPECT_EQ(form()[VC_STATION_LANGUAGE].list_index, 2);
    EXPECT_EQ(form()[VC_MODE].list_index, MODE_ALTERNATE);
    EXPECT_EQ(form_values().sockets[0].imax_m3 + form_values().sockets[0].imax_m3s, "3210");
    EXPECT_EQ(encode_socket_block(form_values().sockets[0]), "411SST3210");
    EXPECT_EQ(encode_socket_block(form_values().sockets[1]), "302SNN0606");
    EXPECT_TRUE(events_of("text date").empty()) << "the date is not touched";
    EXPECT_TRUE(idle());

    struct {
        const char *answers, *box;
        std::size_t boxes, writes;
        int language;
        const char* imax_1; // 20 before: kept unless socket 1 was read
    } cases[] = {
        {"FR\r\n|N=2C|P1x200SSN1610|P2x200SSN1610", "Debug: 46 52 0d 0a", 1, 4, 3, "16"},
        {"L=FR|N=2C|X1x200SSN1610", "Debug: 58 31 78 32", 1, 3, 3, "20"}, // what came stays
        {"L=F|N=2C|P1x200SSN1610|P2x200SSN1610", "Debug: 4c 3d 46 00", 1, 4, 0, "16"},
        // Currents that do not read are left empty for the technician to type.
        {"L=IT|N=2C|P1x411SSTAB10|P2x302SNN0606", "Debug: 54 41 42 31", 1, 4, 0, ""},
    };
    for (const auto& c : cases) {
        SetUp();
        form()[VC_IMAX_1].text = "20";
        answers(c.answers);
        velmor_command(link, VC_READ);
        EXPECT_EQ(events_of("box"), strings(c.boxes, std::string("Error|") + c.box));
        EXPECT_EQ(events_of("write").size(), c.writes) << c.box;
        EXPECT_EQ(form()[VC_STATION_LANGUAGE].list_index, c.language) << c.box;
        EXPECT_EQ(form()[VC_IMAX_1].text, c.imax_1) << c.box;
        EXPECT_TRUE(idle()) << c.box;
    }
    SetUp();
    fake::script_read_fail();
    velmor_command(link, VC_READ);
    EXPECT_EQ(dev().debug_lines.at(2).substr(dev().debug_lines[2].find(" RX")), " RX || no reply\n")
        << "a read that failed brought nothing";
}

// A one-socket station read, then a two-socket one, then written: the second
// keeps its two sockets; and a one-socket Write is not refused by socket 2's
// hidden lists.
TEST_F(Station, SecondStationReadAfterAFirst) {
    answers("L=IT\r|N=1\r|P1x200SSN1610\r|P2x520SSN1610\r");
    velmor_command(link, VC_READ);
    answers("L=IT\r|N=2A\r|P1x200SSN1610\r|P2x302SNN0606\r");
    velmor_command(link, VC_READ);
    EXPECT_TRUE(form()[VC_SOCKET2].checked && form()[VC_TYPE_2].enabled);
    fake::events().clear();
    answers("L=IT\r|N=2A\r|P1x200SSN1610\r|P2x302SNN0606\r"); // the check's
    velmor_command(link, VC_WRITE);
    strings w = events_of("write");
    ASSERT_EQ(w.size(), 9u) << "language, count, both sockets, the closing command, the check";
    EXPECT_EQ(w[1], "4E 32 41 0D") << "N2A";
    EXPECT_EQ(w[3], "50 32 33 30 32 53 4E 4E 30 36 30 36 0D") << "P2 302SNN0606";

    SetUp();
    answers("L=IT\r|N=2C\r|P1x200SSN1610\r|P2x520SSN1610\r");
    velmor_command(link, VC_READ);
    answers("L=IT\r|N=1\r|P1x200SSN1610\r|P2x520SSN1610\r");
    velmor_command(link, VC_READ);
    ASSERT_EQ(form()[VC_LOCK_2].list_index, LOCK_TWO);
    fake::events().clear();
    answers("L=IT\r|N=1\r|P1x200SSN1610\r|P2x520SSN1610\r");
    velmor_command(link, VC_WRITE);
    EXPECT_TRUE(events_of("box").empty());
    EXPECT_EQ(events_of("write").size(), 8u);
}

// An answer that carries no value changes nothing, and a station that answers
// nothing at all leaves the form exactly as it was: no Write can then turn a
// two-socket French station into a one-socket Italian one.
TEST_F(Station, SilentOrEmptyAnswersChangeNothing) {
    auto form_now = [] {
        return std::to_string(form()[VC_STATION_LANGUAGE].list_index) + "|" +
               std::to_string(form()[VC_SOCKET2].checked) + "|" +
               std::to_string(form()[VC_MODE].list_index) + "|" +
               std::to_string(form()[VC_TYPE_2].enabled) + "|" +
               encode_socket_block(form_values().sockets[0]) + "|" +
               encode_socket_block(form_values().sockets[1]);
    };
    answers("L=FR\r|N=2A\r|P1x411SST3210\r|P2x302SNN0606\r");
    velmor_command(link, VC_READ);
    const std::string french_two = "3|1|1|1|411SST3210|302SNN0606";
    ASSERT_EQ(form_now(), french_two);
    struct {
        const char* answers; // then silence
        std::size_t writes;
    } silent[] = {{"", 1}, {"L=IT\r", 2}, {"L=IT\r|N=2C\r|P1x200SSN1610\r", 4}};
    for (const auto& c : silent) {
        fake::events().clear();
        answers(c.answers);
        velmor_command(link, VC_READ);
        EXPECT_EQ(events_of("box"), strings{"Error|The station does not answer"}) << c.answers;
        EXPECT_EQ(events_of("write").size(), c.writes) << "ended at once";
        EXPECT_EQ(form_now(), french_two) << c.answers;
        EXPECT_TRUE(idle());
    }
    lang_set(LANGUAGE_FRENCH);
    fake::events().clear();
    velmor_command(link, VC_READ);
    EXPECT_EQ(events_of("box"), strings{"Erreur|La borne ne répond pas"});
    lang_set(LANGUAGE_ENGLISH);

    // Answers with no known value: the Debug box, and the lists keep theirs.
    fake::events().clear();
    answers("L=\r|N=7\r|P1x411SST3210\r|P2x302SNN0606\r");
    velmor_command(link, VC_READ);
    EXPECT_EQ(events_of("box"), (strings{"Error|Debug: 4c 3d 0d 00", "Error|Debug: 4e 3d 37 0d"}));
    EXPECT_EQ(form_now(), french_two);
    answers("XX\r|N=\r|P1x411SST3210\r|P2x302SNN0606\r");
    velmor_command(link, VC_READ);
    EXPECT_EQ(form_now(), french_two);
    answers("SP\r|N=1\r|P1x411SST3210\r|P2x302SNN0606\r"); // a known pair without "L="
    velmor_command(link, VC_READ);
    EXPECT_EQ(form_now(), "2|0|0|0|411SST3210|302SNN0606");

    // A station that counted one socket and says nothing of socket 2: what
    // was read stays, socket 2's controls keep theirs.
    fake::events().clear();
    answers("L=FR\r|N=1\r|P1x200SSN1610\r");
    velmor_command(link, VC_READ);
    EXPECT_TRUE(events_of("box").empty());
    EXPECT_EQ(form_now(), "3|0|0|0|200SSN1610|302SNN0606");
    EXPECT_TRUE(idle());
}

// What the station sent before a question and nobody read (an "OK" after
// each set command) is no answer to it: dropped before each question.
TEST_F(Station, EarlierBytesAreNoAnswer) {
    dev().unread = of("OK\rOK\r");
    answers("L=FR\r|N=1\r|P1x200SSN1610\r|P2x200SSN1610\r");
    velmor_command(link, VC_READ);
    EXPECT_TRUE(events_of("box").empty());
    EXPECT_EQ(form()[VC_STATION_LANGUAGE].list_index, 3);
    EXPECT_EQ(dev().discards, 4) << "before each of the four questions";

    SetUp();
    example_form();
    // The set commands' "OK"s, read as the check's first answer unless
    // they are dropped.
    dev().unread = of("OK\rOK\rOK\rOK\rOK\rOK\r");
    answers("L=FR\r|N=1\r|P1x200SSN1610\r|P2x200SSN1610\r");
    velmor_command(link, VC_WRITE);
    EXPECT_EQ(events_of("box"), strings{}) << "the station holds what was written";
}

// Codes the lists do not hold are never sent back as something else.
TEST_F(Station, UnknownCodesAreNotWrittenBack) {
    answers("L=DE\r|N=1\r|P1x611SST3210\r|P2x302SNN0606\r");
    velmor_command(link, VC_READ);
    EXPECT_EQ(form()[VC_STATION_LANGUAGE].list_index, LIST_UNSET);
    EXPECT_EQ(form()[VC_TYPE_1].list_index, LIST_UNSET);
    fake::events().clear();
    velmor_command(link, VC_WRITE);
    EXPECT_EQ(events_of("box"), strings{"Warning|Language: choose the station language"});
    EXPECT_TRUE(events_of("open").empty()) << "nothing sent";
    form()[VC_STATION_LANGUAGE].list_index = 1;
    velmor_command(link, VC_WRITE);
    EXPECT_EQ(events_of("box").back(), "Warning|Socket 1: choose the socket type");
    EXPECT_TRUE(events_of("open").empty());
}

// What a Read came to is its outcome: done only when read whole, and what
// ended it told once, when it happened (the Debug box before the next
// query goes out).
TEST_F(Station, ReadOutcomes) {
    quiet_observer quiet;
    struct {
        const char* answers; // "" for none
        result ended;
        std::vector<result> told;
        int sockets; // reported read
    } cases[] = {
        {"L=FR\r|N=1\r|P1x200SSN1610\r|P2x200SSN1610\r", result::done, {}, 2},
        {"L=FR\r|N=1\r|P1x200SSN1610\r", result::done, {}, 1}, // one socket: 2 silent
        {"", result::silent, {result::silent}, 0},
        {"L=FR\r|N=1\r|X1", result::unread_answer, {result::unread_answer}, 0},
        {"L=FR\r|N=1\r|P1x200SSN1X10\r|P2x200SSN1610\r",
         result::done,
         {result::unread_answer},
         2}, // currents left empty, the Read goes on
        {"L=FR\r|N=2C\r|P1x200SSN1610\r", result::silent, {result::silent}, 0},
    };
    for (const auto& c : cases) {
        SetUp();
        if (*c.answers)
            answers(c.answers);
        quiet.sockets = 0;
        const outcome o = station_read(link, station_line(1), form_values(), quiet);
        EXPECT_EQ(o.what, c.ended) << c.answers;
        EXPECT_EQ(told(), c.told) << c.answers;
        EXPECT_EQ(quiet.sockets, c.sockets) << c.answers << ": a socket not read is not reported";
        EXPECT_FALSE(link_is_open(link)) << c.answers;
    }
    SetUp();
    boxes.told.clear();
    answers("L=FR\r|N=1\r|X1");
    (void)station_read(link, station_line(1), form_values(), quiet);
    ASSERT_EQ(boxes.told.size(), 1u);
    EXPECT_EQ(fake::hex(boxes.told[0].bytes), "58 31 00 00") << "the answer's first four bytes";
    dev().writes_before_failing = 1;
    EXPECT_EQ(station_read(link, station_line(1), form_values(), quiet).what, result::send_failed);
    dev().writes_before_failing = -1;
    dev().open_succeeds = false;
    EXPECT_EQ(station_read(link, station_line(1), form_values(), quiet).what, result::no_port);
}

// A Write ends as a good one only when the station holds it.
TEST_F(Station, WriteIsCheckedOnTheStation) {
    struct {
        const char* answers; // to the check after the closing command
        const char* box;
    } cases[] = {
        {"L=IT\r|N=2C\r|P1x411SST3210\r|P2x200SSN1610\r", // it ignored every set command
         "Error|The station does not hold what was written: station language, socket count or "
         "mode, socket 1"},
        {"L=FR\r|N=1\r|P1x200SST1610\r|P2x200SSN1610\r",
         "Error|The station does not hold what was written: socket 1"},
    };
    for (const auto& c : cases) {
        SetUp();
        example_form();
        answers(c.answers);
        velmor_command(link, VC_WRITE);
        EXPECT_EQ(events_of("box"), strings{c.box}) << c.answers;
        EXPECT_TRUE(idle());
        const std::string log = fake::log_text();
        EXPECT_EQ(log.substr(log.rfind("sleep")),
                  "sleep 200; close; box " + std::string(c.box) + "; " + done)
            << "after the port closed, before the form comes back";
    }
    // Silent after the closing command: the check stops at its first
    // question and says so; it does not say what the station holds.
    SetUp();
    example_form();
    velmor_command(link, VC_WRITE);
    EXPECT_EQ(events_of("box"), strings{"Error|The station does not answer"});
    EXPECT_EQ(events_of("write").size(), 7u) << "six commands and one question";
    const std::string log = fake::log_text();
    EXPECT_EQ(log.substr(log.rfind("write")),
              "write 4C 0D; read; close; box Error|The station does not answer; " + done);
    // What the Write answers its caller (the companion): held only when the
    // station holds it; a silent check or a lost command is not.
    quiet_observer quiet;
    SetUp();
    example_form();
    EXPECT_EQ(station_write(link, station_line(1), form_values(), quiet).what, result::silent);
    answers("L=FR\r|N=1\r|P1x200SSN1610\r|P2x200SSN1610\r");
    EXPECT_EQ(station_write(link, station_line(1), form_values(), quiet).what, result::done);
    answers("L=IT\r|N=1\r|P1x200SSN1610\r|P2x200SSN1610\r");
    const outcome not_held = station_write(link, station_line(1), form_values(), quiet);
    EXPECT_EQ(not_held.what, result::not_held);
    EXPECT_EQ(not_held.detail, "station language");
    for (int lost_after : {2, 6}) { // a command, the check's first question
        dev().writes_before_failing = static_cast<int>(dev().writes.size()) + lost_after;
        EXPECT_EQ(station_write(link, station_line(1), form_values(), quiet).what,
                  result::send_failed)
            << lost_after;
        dev().writes_before_failing = -1;
    }
    station_config refused = form_values();
    refused.sockets[0].imax_m3 = "70";
    EXPECT_EQ(station_write(link, station_line(1), refused, quiet).what, result::refused)
        << "a rule refuses it";
    dev().open_succeeds = false;
    EXPECT_EQ(station_write(link, station_line(1), form_values(), quiet).what, result::no_port);
    EXPECT_EQ(station_reboot(link, station_line(1)).what, result::no_port);
    dev().open_succeeds = true;
    EXPECT_EQ(station_reboot(link, station_line(1)).what, result::done);
    EXPECT_FALSE(link_is_open(link)) << "each operation leaves the port closed";
    // A one-socket station that says nothing of socket 2 holds the Write.
    SetUp();
    example_form();
    answers("L=FR\r|N=1\r|P1x200SSN1610\r");
    velmor_command(link, VC_WRITE);
    EXPECT_TRUE(events_of("box").empty()) << "held";
    EXPECT_EQ(events_of("write").size(), 10u) << "socket 2 asked, as the Read does";

    SetUp();
    example_form();
    form()[VC_SOCKET2].checked = true;
    form()[VC_IMAX_2].text = "16";
    form()[VC_IMAXS_2].text = "10";
    lang_set(LANGUAGE_ITALIAN);
    answers("L=FR\r|N=2C\r|P1x200SSN1610\r|P2x200SSN1606\r");
    velmor_command(link, VC_WRITE);
    EXPECT_EQ(events_of("box"),
              strings{"Errore|La stazione non contiene ciò che è stato scritto: presa 2"});
    EXPECT_EQ(form()[VC_IMAXS_2].text, "10") << "the form is not changed by the check";
}

class SetupForm : public Station {};

TEST_F(SetupForm, StartValuesAndLanguages) {
    dev().local = {2014, 2, 3, 4, 5, 6};
    settings_set_port(3);
    lang_set(LANGUAGE_FRENCH);
    form_start_values();
    EXPECT_EQ(form()[VC_DATE].text + " " + form()[VC_TIME].text, "03/02/2014 04:05:06");
    EXPECT_EQ(form()[VC_COM_PORT].entries.size(), 32u);
    EXPECT_EQ(form()[VC_COM_PORT].entries.back(), "COM32");
    EXPECT_EQ(form()[VC_COM_PORT].list_index, 2);
    EXPECT_EQ(form()[VC_UI_LANGUAGE].entries,
              (strings{"Italiano", "English", "Español", "Français"}));
    EXPECT_EQ(form()[VC_UI_LANGUAGE].list_index, 3);
    EXPECT_TRUE(form()[VC_SOCKET2].checked);

    // Another language: every label anew, every choice kept.
    form()[VC_TYPE_1].list_index = TYPE_3C;
    form()[VC_METER_2].list_index = -1; // no entry, as a Read may leave it
    form()[VC_UI_LANGUAGE].list_index = LANGUAGE_ENGLISH;
    velmor_command(link, VC_UI_LANGUAGE);
    EXPECT_EQ(lang_get(), LANGUAGE_ENGLISH);
    EXPECT_EQ(form()[VC_TYPE_1].list_index, TYPE_3C);
    EXPECT_EQ(form()[VC_METER_2].list_index, -1) << "no entry stays so";
    EXPECT_EQ(form()[VC_COM_PORT].list_index, 2);
    EXPECT_EQ(form()[VC_STATION_LANGUAGE].entries[3] + "|" + form()[VC_UI_LANGUAGE].entries[0],
              "French|Italiano");
    EXPECT_EQ(form()[VC_TITLE_SETTINGS].text + "|" + form()[VC_READ].text + "|" +
                  form()[VC_LABEL_METER].text + "|" + form()[VC_SOCKET2].text,
              "Settings:|Read|Current measure:|Socket 2:");
    settings_set_port(32);
    form_start_values();
    EXPECT_EQ(form()[VC_COM_PORT].list_index, 31) << "the last entry";
}

TEST_F(SetupForm, ControlsFollowEachOther) {
    form()[VC_SOCKET2].checked = false;
    velmor_command(link, VC_SOCKET2);
    EXPECT_FALSE(form()[VC_TYPE_2].enabled || form()[VC_IMAXS_2].enabled ||
                 form()[VC_MODE].enabled);
    form()[VC_METER_1].list_index = METER_DIGITAL;
    velmor_command(link, VC_METER_1);
    EXPECT_EQ(form()[VC_METER_2].list_index, 0) << "Simultaneous: no copy";
    form()[VC_MODE].list_index = MODE_ALTERNATE;
    form()[VC_METER_2].list_index = METER_CT;
    velmor_command(link, VC_METER_2);
    EXPECT_EQ(form()[VC_METER_1].list_index, METER_CT) << "Alternate: one meter for both";
    form()[VC_METER_1].list_index = METER_PULSE;
    velmor_command(link, VC_MODE);
    EXPECT_EQ(form()[VC_METER_2].list_index, METER_PULSE) << "the mode list copies 1 to 2";
    fake::events().clear();
    velmor_command(link, 600);
    velmor_command(link, VC_DATE);
    EXPECT_TRUE(fake::events().empty()) << "other ids do nothing";
}

// The tool left open: a Write sends the moment of the Write, unless the
// technician typed the date or time; an emptied field is still skipped.
TEST_F(SetupForm, WriteSendsTheMomentOfTheWriteUnlessTyped) {
    dev().local = {2020, 12, 31, 23, 59, 58};
    form_start_values();
    form()[VC_SOCKET2].checked = false;
    form()[VC_IMAX_1].text = "16";
    form()[VC_IMAXS_1].text = "10";
    auto first_two_writes = [this] {
        dev().writes.clear();
        velmor_command(link, VC_WRITE);
        strings w;
        for (std::size_t i = 0; i < 2 && i < dev().writes.size(); ++i)
            w.push_back(fake::hex(dev().writes[i]));
        return w;
    };
    dev().local = {2021, 1, 1, 0, 59, 30}; // an hour and a day later
    EXPECT_EQ(first_two_writes(), (strings{"44 21 01 01 0D", "4F 00 59 30 0D"}));
    EXPECT_EQ(form()[VC_DATE].text + " " + form()[VC_TIME].text, "01/01/2021 00:59:30");
    dev().local = {2021, 1, 2, 8, 0, 0};
    form()[VC_TIME].text = "07:30:00"; // typed: sent as typed, the date follows the clock
    EXPECT_EQ(first_two_writes(), (strings{"44 21 01 02 0D", "4F 07 30 00 0D"}));
    dev().local = {2021, 1, 2, 9, 0, 0};
    EXPECT_EQ(first_two_writes()[1], "4F 07 30 00 0D") << "still as typed";
    form()[VC_DATE].text = "15/06/2020";
    EXPECT_EQ(first_two_writes()[0], "44 20 06 15 0D");
    velmor_command(link, VC_CLOCK); // the fields are the program's again
    dev().local = {2021, 1, 2, 10, 11, 12};
    EXPECT_EQ(first_two_writes(), (strings{"44 21 01 02 0D", "4F 10 11 12 0D"}));
    form()[VC_DATE].text = "";
    form()[VC_TIME].text = "";
    EXPECT_EQ(first_two_writes()[0].substr(0, 2), "4C") << "emptied fields are skipped";
    EXPECT_EQ(form()[VC_DATE].text, "");
}
} // namespace
