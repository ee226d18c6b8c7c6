// The rules a configuration passes before it is written, and their messages.
#include "config_check.h"
#include "language.h"
#include "velmor_texts.h"

#include <gtest/gtest.h>

namespace {

station_config valid() {
    station_config c;
    c.date = "20/12/2013";
    c.time = "16:17:54";
    c.station_language = 3;
    c.two_sockets = true;
    for (socket_config& s : c.sockets) {
        s.socket_type = TYPE_2;
        s.imax_m3 = "16";
        s.imax_m3s = "10";
    }
    return c;
}

// The failure text, or "" when the configuration passes.
std::string failure_of(const station_config& c, int* caption = nullptr) {
    checked_datetime dt;
    check_failure f;
    if (config_check(c, &dt, &f))
        return "";
    if (caption)
        *caption = f.caption_row;
    return f.text;
}

class ConfigCheck : public ::testing::Test {
  protected:
    void SetUp() override { lang_set(LANGUAGE_ENGLISH); }
    void TearDown() override { lang_set(LANGUAGE_ITALIAN); }
};

TEST_F(ConfigCheck, ValidFormPassesAndHandsOverTheDateAndTime) {
    checked_datetime dt;
    check_failure f;
    ASSERT_EQ(config_check(valid(), &dt, &f), 1);
    EXPECT_TRUE(dt.has_date);
    EXPECT_TRUE(dt.has_time);
    EXPECT_EQ(dt.day, 20);
    EXPECT_EQ(dt.month, 12);
    EXPECT_EQ(dt.year, 2013);
    EXPECT_EQ(dt.hour, 16);
    EXPECT_EQ(dt.minute, 17);
    EXPECT_EQ(dt.second, 54);
}

TEST_F(ConfigCheck, Dates) {
    const std::string datetime =
        "Invalid date/time: please check the format dd/mm/yyyy and hh:mm:ss";
    for (const char* good : {"31/02/2014", "01/01/2100", "01/01/2013", ""}) {
        station_config c = valid();
        c.date = good;
        EXPECT_EQ(failure_of(c), "") << good;
    }
    for (const char* bad : {"1/2/2014", "01/01/2012", "01/01/2101", "1a/02/2014", "01-01-2014",
                            "00/01/2014", "32/01/2014", "01/13/2014", "01/01/20144"}) {
        station_config c = valid();
        c.date = bad;
        int caption = -1;
        EXPECT_EQ(failure_of(c, &caption), datetime) << bad;
        EXPECT_EQ(caption, VT_CAPTION_ERROR);
    }
}

TEST_F(ConfigCheck, Times) {
    for (const char* good : {"23:59:59", "00:00:00", ""}) {
        station_config c = valid();
        c.time = good;
        EXPECT_EQ(failure_of(c), "") << good;
    }
    for (const char* bad :
         {"24:00:00", "7:05:00", "12:60:00", "12:00:60", "12-00-00", "ab:cd:ef"}) {
        station_config c = valid();
        c.time = bad;
        EXPECT_NE(failure_of(c), "") << bad;
    }
}

TEST_F(ConfigCheck, LockingAgainstSocketType) {
    const std::string locking = "Locking type not allowed for the selected socket type";
    struct {
        int socket, type, lock;
        bool refused;
    } cases[] = {
        {0, TYPE_DOMESTIC, LOCK_TWO, true}, {1, TYPE_DOMESTIC, LOCK_TWO, true},
        {0, TYPE_1, LOCK_ONE, true},        {1, TYPE_1, LOCK_TWO, true},
        {0, TYPE_1, LIST_UNSET, true},      {0, TYPE_DOMESTIC, LOCK_ONE, false},
        {0, TYPE_3A, LOCK_TWO, false},      {1, TYPE_1, LOCK_NONE, false},
    };
    for (const auto& c : cases) {
        station_config cfg = valid();
        cfg.sockets[c.socket].socket_type = c.type;
        cfg.sockets[c.socket].locking_type = c.lock;
        int caption = -1;
        EXPECT_EQ(failure_of(cfg, &caption), c.refused ? locking : "")
            << c.socket << " " << c.type << " " << c.lock;
        if (c.refused) {
            EXPECT_EQ(caption, VT_CAPTION_WARNING);
        }
    }
}

// A one-socket Write sends nothing of socket 2: what its disabled lists hold
// refuses nothing, while socket 1 is still held to every rule.
TEST_F(ConfigCheck, SocketTwoSwitchedOffIsNotChecked) {
    const std::string locking = "Locking type not allowed for the selected socket type";
    const std::string mirror = "The mirror Contact is not available if the pulse meter is used";
    station_config c = valid();
    c.sockets[1].socket_type = TYPE_DOMESTIC;
    c.sockets[1].locking_type = LOCK_TWO;
    c.sockets[1].contactor_control = CONTACTOR_MIRROR;
    c.sockets[1].meter_type = METER_PULSE;
    c.sockets[1].imax_m3 = "";
    EXPECT_EQ(failure_of(c), locking) << "switched on, socket 2 is checked";
    c.two_sockets = false;
    EXPECT_EQ(failure_of(c), "");
    c.sockets[1].socket_type = TYPE_2;
    c.two_sockets = true;
    c.sockets[1].imax_m3 = "16";
    EXPECT_EQ(failure_of(c), mirror) << "switched on, socket 2 is checked";
    c.two_sockets = false;
    EXPECT_EQ(failure_of(c), "");
    c.sockets[0].socket_type = TYPE_1;
    c.sockets[0].locking_type = LOCK_ONE;
    EXPECT_EQ(failure_of(c), locking) << "socket 1 still counts";
}

TEST_F(ConfigCheck, Currents) {
    struct {
        int socket;
        const char* imax;
        const char* imaxs;
        const char* message;
    } cases[] = {
        {0, "6.5", "10", ""},
        {0, "63", "16", ""},
        {0, " +6", "6", ""},
        {0, "", "10", "Error on socket 1: I max M3. Please set a value between 6 and 63."},
        {0, "5", "10", "Error on socket 1: I max M3. Please set a value between 6 and 63."},
        {0, "64", "10", "Error on socket 1: I max M3. Please set a value between 6 and 63."},
        {0, "16", "17", "Error on socket 1: I max M3-S. Please set a value between 6 and 16."},
        {1, "16", "", "Error on socket 2: I max M3-S. Please set a value between 6 and 16."},
        {1, "x16", "10", "Error on socket 2: I max M3. Please set a value between 6 and 63."},
    };
    for (const auto& c : cases) {
        station_config cfg = valid();
        cfg.sockets[c.socket].imax_m3 = c.imax;
        cfg.sockets[c.socket].imax_m3s = c.imaxs;
        EXPECT_EQ(failure_of(cfg), c.message) << c.socket << " " << c.imax << " " << c.imaxs;
    }
    station_config off = valid();
    off.two_sockets = false;
    off.sockets[1].imax_m3 = "";
    off.sockets[1].imax_m3s = "";
    EXPECT_EQ(failure_of(off), "") << "socket 2's currents only count while it is on";
}

TEST_F(ConfigCheck, CurrentMessageInEveryLanguage) {
    station_config cfg = valid();
    cfg.sockets[1].imax_m3s = "";
    const char* expected[] = {
        "Errore su presa 2: I max M3-S. Inserire un valore compreso tra 6 e 16.",
        "Error on socket 2: I max M3-S. Please set a value between 6 and 16.",
        "Error en la toma 2: I max M3-S. Introducir un valor entre 6 y 16.",
        "Erreur sur la prise 2: I max M3-S. Entrez une valeur comprise entre 6 et 16.",
    };
    for (int lang = 0; lang < LANGUAGE_COUNT; ++lang) {
        lang_set(lang);
        int caption = -1;
        EXPECT_EQ(failure_of(cfg, &caption), expected[lang]);
        EXPECT_EQ(caption, VT_CAPTION_ERROR);
    }
}

TEST_F(ConfigCheck, MirrorContactAgainstPulseMeter) {
    const std::string mirror = "The mirror Contact is not available if the pulse meter is used";
    station_config c = valid();
    c.sockets[0].contactor_control = CONTACTOR_MIRROR;
    c.sockets[0].meter_type = METER_CT;
    EXPECT_EQ(failure_of(c), "");
    c.sockets[0].meter_type = METER_PULSE;
    EXPECT_EQ(failure_of(c), mirror);
    int caption = -1;
    EXPECT_EQ(failure_of(c, &caption), mirror);
    EXPECT_EQ(caption, VT_CAPTION_WARNING);
    c = valid();
    c.sockets[1].contactor_control = CONTACTOR_MIRROR;
    c.sockets[1].meter_type = METER_PULSE;
    EXPECT_EQ(failure_of(c), mirror);
}

TEST_F(ConfigCheck, FirstFailingRuleWins) {
    station_config c = valid();
    c.time = "24:00:00";
    c.sockets[0].socket_type = TYPE_1;
    c.sockets[0].locking_type = LOCK_ONE;
    c.sockets[0].imax_m3 = "";
    c.sockets[0].contactor_control = CONTACTOR_MIRROR;
    c.sockets[0].meter_type = METER_PULSE;
    EXPECT_EQ(failure_of(c), vtext(VT_MSG_DATETIME));
    c.time = "";
    EXPECT_EQ(failure_of(c), vtext(VT_MSG_LOCKING));
    c.sockets[0].socket_type = TYPE_2;
    EXPECT_EQ(failure_of(c), "Error on socket 1: I max M3. Please set a value between 6 and 63.");
    c.sockets[0].imax_m3 = "20";
    EXPECT_EQ(failure_of(c), vtext(VT_MSG_MIRROR));
}

TEST_F(ConfigCheck, SpanishDatetimeTextHasTwoBlanks) {
    lang_set(LANGUAGE_SPANISH);
    station_config c = valid();
    c.date = "x";
    EXPECT_EQ(failure_of(c),
              "Fecha/ora no válidas: por  favor, verificar el formato dd/mm/aaaa y hh:mm:ss");
}
} // namespace
