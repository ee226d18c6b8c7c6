// The station record's wire forms: BCD bytes, socket blocks, answers.
#include "language.h"
#include "station_config.h"
#include "velmor_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace {
using bytes = std::vector<std::uint8_t>;

bytes of(const std::string& s) {
    return bytes(s.begin(), s.end());
}

socket_config socket(int type, int lock, int contactor, int meter, const char* imax,
                     const char* imaxs) {
    socket_config s;
    s.socket_type = type;
    s.locking_type = lock;
    s.contactor_control = contactor;
    s.meter_type = meter;
    s.imax_m3 = imax;
    s.imax_m3s = imaxs;
    return s;
}

TEST(StationWire, BcdBytes) {
    EXPECT_EQ(bcd_byte(13), 0x13);
    EXPECT_EQ(bcd_byte(20), 0x20);
    EXPECT_EQ(bcd_byte(59), 0x59);
    EXPECT_EQ(bcd_byte(0), 0x00);
    EXPECT_EQ(bcd_byte(2100 % 100), 0x00);
    EXPECT_EQ(bcd_byte(2013), 0x21) << "(2013 mod 256) mod 100 = 221 mod 100 = 21";
}

TEST(StationWire, SocketBlocks) {
    EXPECT_EQ(encode_socket_block(socket(TYPE_3C, LOCK_ONE, CONTACTOR_COIMP, METER_CT, "32", "10")),
              "411SST3210");
    EXPECT_EQ(
        encode_socket_block(socket(TYPE_3A, LOCK_NONE, CONTACTOR_MIRROR, METER_NONE, "6", "6")),
        "302SNN0606");
    EXPECT_EQ(
        encode_socket_block(socket(TYPE_2, LOCK_NONE, CONTACTOR_NONE, METER_NONE, "16", "10")),
        "200SSN1610");
    EXPECT_EQ(
        encode_socket_block(socket(TYPE_1, LOCK_NONE, CONTACTOR_NONE, METER_DIGITAL, " 63", "16A")),
        "100SSD6316");
    EXPECT_EQ(encode_socket_block(
                  socket(TYPE_DOMESTIC, LOCK_TWO, CONTACTOR_NONE, METER_PULSE, "6.5", "+7")),
              "520SNI0607");
}

TEST(StationWire, UnsetListsSendTheirDefaults) {
    EXPECT_EQ(
        encode_socket_block(socket(LIST_UNSET, LIST_UNSET, LIST_UNSET, LIST_UNSET, "16", "10")),
        "200SNN1610")
        << "an unset type is code 2 with flag N";
    EXPECT_STREQ(encode_station_language(LIST_UNSET), "IT");
    EXPECT_STREQ(encode_station_language(3), "FR");
}

TEST(StationWire, SocketCount) {
    EXPECT_STREQ(encode_socket_count(false, MODE_ALTERNATE), "1");
    EXPECT_STREQ(encode_socket_count(true, MODE_SIMULTANEOUS), "2C");
    EXPECT_STREQ(encode_socket_count(true, MODE_ALTERNATE), "2A");
    EXPECT_STREQ(encode_socket_count(true, LIST_UNSET), "2A");
}

TEST(StationWire, LanguageAnswers) {
    int index = -5;
    bytes a = of("L=SP\r");
    EXPECT_EQ(read_language_answer(a.data(), a.size(), &index), 1);
    EXPECT_EQ(index, 2);
    a = of("L=IT");
    EXPECT_EQ(read_language_answer(a.data(), a.size(), &index), 1);
    EXPECT_EQ(index, 0);
    a = of("L=XX");
    EXPECT_EQ(read_language_answer(a.data(), a.size(), &index), 1);
    EXPECT_EQ(index, 0);
    a = of("L=F");
    EXPECT_EQ(read_language_answer(a.data(), a.size(), &index), 0) << "too short";
    a = of("FR\r\n");
    EXPECT_EQ(read_language_answer(a.data(), a.size(), &index), 0);
    EXPECT_EQ(station_language_of('F', 'R'), 3);
    EXPECT_EQ(station_language_of('I', 'N'), 1);
}

TEST(StationWire, CountAnswers) {
    struct {
        const char* answer;
        int matches;
        unsigned long value;
    } cases[] = {{"N=2a", 1, 0x2A}, {"N=2C\r", 1, 0x2C}, {"N=2", 1, 2},  {"N=1", 1, 1},
                 {"N=", 0, 0},      {"N=zz", 0, 0},      {"M=2C", 0, 0}, {"", 0, 0}};
    for (const auto& c : cases) {
        bytes a = of(c.answer);
        unsigned long v = 0;
        EXPECT_EQ(read_count_answer(a.data(), a.size(), &v), c.matches) << c.answer;
        if (c.matches) {
            EXPECT_EQ(v, c.value) << c.answer;
        }
    }
}

TEST(StationWire, SocketReplies) {
    socket_config s = socket(0, 0, 0, 0, "", "");
    bytes a = of("P1x411SST3210\r");
    EXPECT_EQ(decode_socket_reply(a.data(), a.size(), '1', &s), SOCKET_REPLY_OK);
    EXPECT_EQ(s.socket_type, TYPE_3C);
    EXPECT_EQ(s.locking_type, LOCK_ONE);
    EXPECT_EQ(s.contactor_control, CONTACTOR_COIMP);
    EXPECT_EQ(s.meter_type, METER_CT);
    EXPECT_EQ(s.imax_m3, "32");
    EXPECT_EQ(s.imax_m3s, "10");

    a = of("P2\x7f"
           "302SNN1606");
    EXPECT_EQ(decode_socket_reply(a.data(), a.size(), '2', &s), SOCKET_REPLY_OK);
    EXPECT_EQ(s.socket_type, TYPE_3A);
    EXPECT_EQ(s.locking_type, LOCK_NONE);
    EXPECT_EQ(s.contactor_control, CONTACTOR_MIRROR);
    EXPECT_EQ(s.meter_type, METER_NONE);
    EXPECT_EQ(s.imax_m3, "16");
    EXPECT_EQ(s.imax_m3s, "6");
}

TEST(StationWire, SocketReplyEdgeBytes) {
    socket_config s = socket(TYPE_3C, LOCK_TWO, CONTACTOR_COIMP, METER_CT, "32", "10");
    bytes a = of("P1 793SSX1616");
    EXPECT_EQ(decode_socket_reply(a.data(), a.size(), '1', &s), SOCKET_REPLY_OK);
    EXPECT_EQ(s.socket_type, LIST_UNSET) << "type 7 is no entry";
    EXPECT_EQ(s.locking_type, LIST_UNSET) << "locking 9 is no entry";
    EXPECT_EQ(s.contactor_control, CONTACTOR_NONE);
    EXPECT_EQ(s.meter_type, METER_NONE);

    s = socket(TYPE_3C, LOCK_TWO, CONTACTOR_COIMP, METER_CT, "32", "10");
    a = of("P1 0/0SSI1616");
    EXPECT_EQ(decode_socket_reply(a.data(), a.size(), '1', &s), SOCKET_REPLY_OK);
    EXPECT_EQ(s.socket_type, TYPE_3C) << "type 0 leaves the type";
    EXPECT_EQ(s.locking_type, LOCK_TWO) << "a byte below 0 leaves the locking";
    EXPECT_EQ(s.meter_type, METER_PULSE);
}

TEST(StationWire, RefusedSocketRepliesChangeNothing) {
    socket_config s = socket(TYPE_3C, LOCK_ONE, CONTACTOR_COIMP, METER_CT, "32", "10");
    for (const char* answer : {"P2x100SSN0606", "X1x100SSN0606", "P1x100SSN06", "", "P1"}) {
        bytes a = of(answer);
        EXPECT_EQ(decode_socket_reply(a.data(), a.size(), '1', &s), SOCKET_REPLY_REFUSED) << answer;
    }
    EXPECT_EQ(s.socket_type, TYPE_3C);
    EXPECT_EQ(s.imax_m3, "32");
}

TEST(StationWire, UnreadableCurrentsKeepTheirTexts) {
    socket_config s = socket(TYPE_3C, LOCK_ONE, CONTACTOR_COIMP, METER_CT, "32", "10");
    bytes a = of("P1x200SSNAB06");
    EXPECT_EQ(decode_socket_reply(a.data(), a.size(), '1', &s), SOCKET_REPLY_BAD_CURRENTS);
    EXPECT_EQ(s.socket_type, TYPE_2) << "the lists are taken";
    EXPECT_EQ(s.imax_m3, "32");
    EXPECT_EQ(s.imax_m3s, "10");
}

TEST(StationTexts, OptionLabelsInEachLanguage) {
    EXPECT_STREQ(vtext_in(k_station_languages.entries[0].label_row, LANGUAGE_ENGLISH), "Italian");
    EXPECT_STREQ(vtext_in(k_socket_types.entries[TYPE_3C].label_row, LANGUAGE_ITALIAN), "Tipo 3C");
    EXPECT_STREQ(vtext_in(k_meter_types.entries[METER_PULSE].label_row, LANGUAGE_FRENCH),
                 "Compteur d'impulsions");
    EXPECT_STREQ(vtext_in(k_operating_modes.entries[MODE_ALTERNATE].label_row, LANGUAGE_SPANISH),
                 "Alterno");
    EXPECT_STREQ(vtext_in(VT_LABEL_OPERATING_MODE, LANGUAGE_SPANISH), "Funcionamento");
    EXPECT_STREQ(vtext_in(VT_CAPTION_WARNING, LANGUAGE_SPANISH), "Atenciòn");
    EXPECT_STREQ(vtext_in(VT_LABEL_WRITE, LANGUAGE_FRENCH), "Écrire");
    EXPECT_STREQ(vtext_in(VT_LABEL_READ, 4), "") << "no fifth language";
}
} // namespace
