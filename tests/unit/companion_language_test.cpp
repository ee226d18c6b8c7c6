// The companion's language: which one it speaks, and what it says in each.
#include "card_batch.h"
#include "companion_language.h"
#include "companion_texts.h"
#include "console_teller.h"
#include "fake_device.h"
#include "fake_store.h"
#include "language.h"
#include "probe.h"
#include "settings.h"
#include "station_jobs.h"
#include "station_profile.h"
#include "velmor_texts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>

namespace {
const char* const k_language_names[] = {"Italian", "English", "Spanish", "French"};

std::set<std::string> parts_of(const std::string& text) {
    std::set<std::string> parts;
    const std::regex mark("%[1-9]");
    for (auto m = std::sregex_iterator(text.begin(), text.end(), mark); m != std::sregex_iterator();
         ++m)
        parts.insert(m->str());
    return parts;
}
} // namespace

// --lang first, then the program's stored "Lang", then the environment, then
// English; a source that names no language of the programs passes the choice
// on.
TEST(CompanionLanguage, ChosenFromItsSourcesInOrder) {
    const struct {
        std::string option;
        int stored;
        std::string locale;
        int chosen;
    } cases[] = {
        {"fr", LANGUAGE_ITALIAN, "es_ES.UTF-8", LANGUAGE_FRENCH},
        {"ES", -1, "", LANGUAGE_SPANISH},
        {"", LANGUAGE_SPANISH, "fr_FR.UTF-8", LANGUAGE_SPANISH},
        {"", LANGUAGE_ITALIAN, "", LANGUAGE_ITALIAN},
        {"", -1, "it_IT.UTF-8", LANGUAGE_ITALIAN},
        {"", -1, "es", LANGUAGE_SPANISH},
        {"", -1, "fr_CA@euro", LANGUAGE_FRENCH},
        {"", -1, "en_GB.UTF-8", LANGUAGE_ENGLISH},
        {"", -1, "C", LANGUAGE_ENGLISH},
        {"", -1, "C.UTF-8", LANGUAGE_ENGLISH},
        {"", -1, "POSIX", LANGUAGE_ENGLISH},
        {"", -1, "de_DE.UTF-8", LANGUAGE_ENGLISH},
        {"", -1, "french", LANGUAGE_ENGLISH},
        {"", -1, "", LANGUAGE_ENGLISH},
        {"", 7, "it_IT", LANGUAGE_ITALIAN}, // no language of the four: the next source
        {"de", -1, "fr_FR", LANGUAGE_FRENCH},
    };
    for (const auto& c : cases)
        EXPECT_EQ(companion_language({c.option, c.stored, c.locale}), c.chosen)
            << "--lang \"" << c.option << "\", stored " << c.stored << ", locale \"" << c.locale
            << "\"";
}

// The environment as the C library reads it for messages.
TEST(CompanionLanguage, TheEnvironmentsLocaleForMessages) {
    using env = std::map<std::string, std::string>;
    const struct {
        env vars;
        std::string locale;
    } cases[] = {
        {{{"LC_ALL", "es_ES"}, {"LC_MESSAGES", "fr_FR"}, {"LANG", "it_IT"}}, "es_ES"},
        {{{"LC_ALL", ""}, {"LC_MESSAGES", "fr_FR"}, {"LANG", "it_IT"}}, "fr_FR"},
        {{{"LANG", "it_IT.UTF-8"}}, "it_IT.UTF-8"},
        {{{"LC_MESSAGES", ""}, {"LANG", ""}}, ""},
        {{}, ""},
    };
    for (const auto& c : cases) {
        const std::string got = messages_locale_of([&c](const char* name) -> const char* {
            const auto v = c.vars.find(name);
            return v == c.vars.end() ? nullptr : v->second.c_str();
        });
        EXPECT_EQ(got, c.locale);
    }
}

// Before the line is parsed: --lang wherever it stands, and the command,
// whose programs' stored language counts: the one program's, or the one the
// programs agree on for a command that is every program's.
TEST(CompanionLanguage, TheLineReadBeforeItIsParsed) {
    const std::string both = "Software\\Velmor Software\\Tandor ";
    const struct {
        std::vector<const char*> argv;
        std::string lang, command, keys;
    } cases[] = {
        {{"quenby", "--lang", "fr", "station", "write", "COM3", "x"},
         "fr",
         "station",
         "Software\\Velmor "},
        {{"quenby", "cards", "issue", "COM14", "b.csv", "--lang=es"},
         "es",
         "cards",
         "Software\\Tandor "},
        {{"quenby", "ports", "--probe", "--lang", "it"}, "it", "ports", both},
        {{"quenby", "--help"}, "", "", both},
        {{"quenby", "decode", "--lang"}, "", "decode", both},
    };
    for (const auto& c : cases) {
        const early_words w = read_early(static_cast<int>(c.argv.size()), c.argv.data());
        EXPECT_EQ(w.lang + "|" + w.command, c.lang + "|" + c.command) << c.argv.size();
        std::string keys;
        for (const char* key : settings_keys_of_command(w.command))
            keys += std::string(key) + " ";
        EXPECT_EQ(keys, c.keys) << w.command;
    }
    const struct {
        std::vector<int> stored;
        int agreed;
    } stored[] = {{{LANGUAGE_FRENCH}, LANGUAGE_FRENCH},
                  {{-1}, -1},
                  {{}, -1},
                  {{LANGUAGE_ITALIAN, LANGUAGE_ITALIAN}, LANGUAGE_ITALIAN},
                  {{-1, LANGUAGE_SPANISH}, LANGUAGE_SPANISH},
                  {{LANGUAGE_SPANISH, -1}, LANGUAGE_SPANISH},
                  {{LANGUAGE_SPANISH, LANGUAGE_FRENCH}, -1}};
    for (const auto& s : stored)
        EXPECT_EQ(agreed_language(s.stored), s.agreed) << ::testing::PrintToString(s.stored);
}

// The stored "Lang" as its program reads it; reading it creates nothing.
TEST(CompanionLanguage, TheProgramsStoredLanguage) {
    fake::reset_store();
    EXPECT_EQ(settings_stored_language("Software\\Velmor"), -1);
    EXPECT_TRUE(fake::store().keys.empty()) << "no key made by asking";
    fake::store().keys["Software\\Velmor"]["Port"] = "COM12";
    EXPECT_EQ(settings_stored_language("Software\\Velmor"), -1) << "a key without Lang";
    const std::pair<const char*, int> stored[] = {
        {"3", LANGUAGE_FRENCH},  {"2", LANGUAGE_SPANISH}, {"0", LANGUAGE_ITALIAN},
        {"9", LANGUAGE_ITALIAN}, {"x", LANGUAGE_ITALIAN}, {"-1", LANGUAGE_ITALIAN}};
    for (const auto& [text, lang] : stored) {
        fake::store().keys["Software\\Velmor"]["Lang"] = text;
        EXPECT_EQ(settings_stored_language("Software\\Velmor"), lang) << text;
        EXPECT_TRUE(fake::store().open_key.empty()) << "the key closed again after " << text;
    }
    EXPECT_EQ(settings_stored_language("Software\\Tandor"), -1) << "the other program's key";
    EXPECT_EQ(settings_stored_language(nullptr), -1);
    fake::store().open_fails = true;
    EXPECT_EQ(settings_stored_language("Software\\Velmor"), -1);
}

// Every sentence exists in the four languages, with the same parts, in the
// programs' manner: no blank before a French colon, none at an end.
TEST(CompanionTexts, EveryRowInFourLanguages) {
    for (int row = 0; row < QT_COUNT; ++row) {
        const auto id = static_cast<companion_text>(row);
        const std::string english = qtext_raw(id, LANGUAGE_ENGLISH);
        ASSERT_FALSE(english.empty()) << "row " << row;
        int like_english = 0;
        for (int lang = 0; lang < LANGUAGE_COUNT; ++lang) {
            const std::string text = qtext_raw(id, lang);
            const std::string where = std::string(k_language_names[lang]) + " of \"" + english +
                                      "\" (row " + std::to_string(row) + "): \"" + text + "\"";
            EXPECT_FALSE(text.empty()) << where;
            EXPECT_EQ(parts_of(text), parts_of(english)) << where;
            EXPECT_TRUE(text.empty() || text.back() != ' ') << where;
            EXPECT_EQ(text.find(" :"), std::string::npos) << where;
            like_english += text == english;
        }
        EXPECT_LT(like_english, LANGUAGE_COUNT) << "untranslated: \"" << english << "\"";
    }
    EXPECT_STREQ(qtext_raw(QT_COUNT, LANGUAGE_ENGLISH), "");
}

TEST(CompanionTexts, PartsTakeTheirPlaces) {
    EXPECT_EQ(qtext_in(LANGUAGE_FRENCH, QT_NOT_THAT_CARD, {"0A0A0A01", "0A0A0A02", "00001235"}),
              "la carte 0A0A0A01 n'est pas la carte 0A0A0A02: retirez-la, et posez la carte "
              "0A0A0A02 (elle peut contenir le code 00001235)");
    EXPECT_EQ(qtext_in(LANGUAGE_ENGLISH, QT_DIFFERENCE, {"%2", "x", "y"}),
              "%2: profile x, station y")
        << "a part is not read again";
    EXPECT_EQ(qtext_in(LANGUAGE_ENGLISH, QT_DIFFERENCE, {"mode"}), "mode: profile %2, station %3");
    EXPECT_EQ(qtext_in(9, QT_NO_AUDIT), qtext_in(LANGUAGE_ENGLISH, QT_NO_AUDIT));
}

namespace {
// What the technician reads of a silent station's write (standard error).
std::string silent_write(const std::string& profile) {
    fake::reset();
    testing::internal::CaptureStderr();
    (void)station_write_job({"COM12", "\\\\.\\COM12", "", ""}, profile);
    return testing::internal::GetCapturedStderr();
}

std::string first_batch_error(const std::string& csv) {
    std::istringstream in(csv);
    std::vector<batch_row> rows;
    std::vector<batch_error> errors;
    read_batch(in, &rows, &errors);
    return errors.empty() ? "(none)" : errors[0].text;
}

std::string first_profile_error(const std::string& text) {
    std::istringstream in(text);
    station_profile p;
    std::vector<profile_error> errors;
    read_profile(in, &p, &errors);
    return errors.empty() ? "(none)" : errors[0].text;
}
} // namespace

// What the technician reads, in each language, down the roads that say it:
// the programs' own words where they have them.
TEST(CompanionTexts, WhatTheTechnicianReadsInEachLanguage) {
    const std::string profile = ::testing::TempDir() + "language.profile";
    std::ofstream(profile) << "language = French\nsockets = 1\nsocket1.type = Type 2\n"
                              "socket1.locking = None\nsocket1.contactor = None\n"
                              "socket1.meter = No meter\nsocket1.imax = 16\nsocket1.imax_s = 10\n";
    probe_result station;
    station.found = probe_found::station;
    station.language = "FR";
    station.sockets = 2;
    outcome silent;
    silent.what = result::silent;
    silent.text = VT_MSG_NO_ANSWER;
    const struct {
        const char* what;
        std::function<std::string()> said;
        const char* text[LANGUAGE_COUNT];
    } cases[] = {
        {"a silent station, told by the Write",
         [&] { return console_words(silent, vtext); },
         {"La stazione non risponde: controllare il cavo, e che sia accesa",
          "The station does not answer: check its cable, and that it is on",
          "La estación no responde: verificar el cable, y que esté encendida",
          "La borne ne répond pas: vérifiez son câble, et qu'elle est allumée"}},
        {"a silent station, asked before a write",
         [&] { return silent_write(profile); },
         {"quenby station: COM12: La stazione non risponde; nulla è stato inviato\n",
          "quenby station: COM12: The station does not answer; nothing was sent\n",
          "quenby station: COM12: La estación no responde; no se ha enviado nada\n",
          "quenby station: COM12: La borne ne répond pas; rien n'a été envoyé\n"}},
        {"a station found by the probe",
         [&] { return probe_words(station); },
         {"stazione di ricarica  (lingua FR, 2 prese)",
          "charging station  (language FR, 2 sockets)", "estación de carga  (idioma FR, 2 tomas)",
          "borne de recharge  (langue FR, 2 prises)"}},
        {"a port in use",
         [] { return port_open_words(SERIAL_IN_USE, lang_get()); },
         {"in uso da un altro programma", "in use by another program", "en uso por otro programa",
          "utilisé par un autre programme"}},
        {"a profile's line the station's count refuses",
         [] { return first_profile_error("sockets = 3\n"); },
         {"sockets: \"3\" non è 1 o 2", "sockets: \"3\" is not 1 or 2",
          "sockets: \"3\" no es 1 o 2", "sockets: \"3\" n'est pas 1 ou 2"}},
        {"a batch row the card form refuses, in the card writer's words",
         [] { return first_batch_error("code,accesses,expiry\n00001234,70000,\n"); },
         {"Numero accessi non valido: inserire un numero da 0 a 65535",
          "Invalid number of accesses: please enter a number from 0 to 65535",
          "Número de accesos no válido: introducir un número entre 0 y 65535",
          "Nombre d'accès non valable: veuillez saisir un nombre entre 0 et 65535"}},
        {"a batch's prompt for a card",
         [] {
             return qtext(QT_LAY_CARD, {qtext(QT_POSITION, {"1", "3"}), "00001234"});
         },
         {"carta 1 di 3: poggiare una carta vuota o User sul lettore (codice 00001234)",
          "card 1 of 3: lay a blank or User card on the reader (code 00001234)",
          "tarjeta 1 de 3: colocar una tarjeta vacía o User en el lector (código 00001234)",
          "carte 1 sur 3: posez une carte vierge ou User sur le lecteur (code 00001234)"}},
    };
    for (const auto& c : cases)
        for (int lang = 0; lang < LANGUAGE_COUNT; ++lang) {
            lang_set(lang);
            EXPECT_EQ(c.said(), c.text[lang]) << c.what << ", in " << k_language_names[lang];
        }
    lang_set(LANGUAGE_ENGLISH);
}
