// The companion's station profiles and jobs, on the fake device.
#include "cards_job.h"
#include "config_check.h"
#include "profile_tandor.h"
#include "station_jobs.h"
#include "station_profile.h"
#include "tandor_test_support.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {
const char k_example[] = "language = French\n"
                         "sockets = 2\n"
                         "mode = alternate\n"
                         "socket1.type = Type 3C\n"
                         "socket1.locking = 1 actuator\n"
                         "socket1.contactor = COIMP\n"
                         "socket1.meter = CT meter\n"
                         "socket1.imax = 32\n"
                         "socket1.imax_s = 10\n"
                         "socket2.type = Type 3A\n"
                         "socket2.locking = None\n"
                         "socket2.contactor = mirror Contact\n"
                         "socket2.meter = No meter\n"
                         "socket2.imax = 6\n"
                         "socket2.imax_s = 6\n";

std::vector<profile_error> errors_of(const std::string& text, station_profile* p = nullptr) {
    station_profile local;
    std::vector<profile_error> errors;
    std::istringstream in(text);
    read_profile(in, p ? p : &local, &errors);
    return errors;
}

std::string lines_of(const std::vector<profile_error>& errors) {
    std::string s;
    for (const profile_error& e : errors)
        s += std::to_string(e.line) + " " + e.text + "\n";
    return s;
}

std::string replaced(std::string text, const std::string& line, const std::string& by) {
    text.replace(text.find(line), line.size(), by);
    return text;
}

std::string file_path(const char* name) {
    return ::testing::TempDir() + name;
}

void write_file(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::trunc) << text;
}

std::string read_file(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

fake::bytes text(const std::string& s) {
    return fake::bytes(s.begin(), s.end());
}

// The example station's four answers.
void station_answers(const std::string& p1 = "P1x411SST3210\r") {
    fake::script_read(text("L=FR\r"));
    fake::script_read(text("N=2A\r"));
    fake::script_read(text(p1));
    fake::script_read(text("P2x302SNN0606\r"));
}

const listed_port k_station_port{"COM12", "\\\\.\\COM12", "", ""};

// The station jobs speak English, as the companion does.
class StationJobs : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::reset();
        lang_set(LANGUAGE_ENGLISH);
    }
};

// The letters of what was written: "L", "P1" ...
std::string commands_sent() {
    std::string s;
    for (const fake::bytes& w : fake::dev().writes)
        s += std::string(1, static_cast<char>(w[0])) +
             (w[0] == 'P' ? std::string(1, static_cast<char>(w[1])) : "") + " ";
    return s;
}
} // namespace

TEST(Profile, TextRoundTripAndUnknownCodes) {
    lang_set(LANGUAGE_ENGLISH);
    station_profile p;
    ASSERT_EQ(lines_of(errors_of(k_example, &p)), "");
    const std::string text = profile_text(p.config, {}, "read from COM12");
    EXPECT_EQ(text, std::string("# read from COM12\n") + k_example);
    EXPECT_EQ(p.lines.at("socket1.meter"), 7);

    // Either case, blanks and comments around the values.
    station_profile q;
    const std::string loose =
        replaced(replaced(k_example, "socket1.type = Type 3C", "  socket1.type=type 3c # edited"),
                 "mode = alternate", "# a comment line\nmode = ALTERNATE");
    ASSERT_EQ(lines_of(errors_of(loose, &q)), "");
    EXPECT_EQ(profile_text(q.config, {}, "x"), profile_text(p.config, {}, "x"));

    // A code that no option holds is written as the code behind a '?', never
    // as an option, and read back it is refused: the technician chooses.
    const std::string unknown =
        profile_text(p.config, {{"socket1.type", "7"}, {"sockets", "2"}}, "x");
    EXPECT_NE(unknown.find("socket1.type = ?7  # the station's code: no option of the form holds "
                           "it\n"),
              std::string::npos);
    EXPECT_NE(unknown.find("sockets = ?2  # the station's code"), std::string::npos) << unknown;
    EXPECT_EQ(lines_of(errors_of(unknown)),
              "3 sockets: \"?2\" is the station's code, which no option holds: give 1 or 2\n"
              "5 socket1.type: \"?7\" is the station's code, which no option holds: give one of "
              "Type 1, Type 2, Type 3A, Type 3C, Domestic\n");
    EXPECT_EQ(lines_of(errors_of(replaced(k_example, "Type 3C", "7"))),
              "4 socket1.type: \"7\" is not one of Type 1, Type 2, Type 3A, Type 3C, Domestic\n");
}

// What an editor saves a profile as: UTF-8 with a byte order mark, UTF-16
// either way round (Notepad's "Unicode", PowerShell's redirection).
TEST(Profile, ReadWhateverTheEditorSavedItAs) {
    lang_set(LANGUAGE_ENGLISH);
    station_profile plain, read;
    ASSERT_EQ(lines_of(errors_of(k_example, &plain)), "");
    const std::string windows = replaced(k_example, "\n", "\r\n"); // the first line end only
    std::string le = "\xFF\xFE", be = "\xFE\xFF";
    for (const char c : std::string(k_example) + "# \xC3\xA9t\xC3\xA9\n") {
        le += std::string(1, c) + '\0';
        be += std::string(1, '\0') + c;
    }
    for (const std::string& text : {"\xEF\xBB\xBF" + windows, le, be}) {
        ASSERT_EQ(lines_of(errors_of(text, &read)), "") << text.substr(0, 4);
        EXPECT_EQ(profile_text(read.config, {}, "x"), profile_text(plain.config, {}, "x"));
    }
    // A surrogate pair is one character (U+10000 the first of them); U+E000
    // after a high surrogate is none of its pair.
    EXPECT_EQ(lines_of(errors_of(std::string("\xFF\xFEx\0\x3D\xD8\x00\xDE\n\0"
                                             "y\0\x3D\xD8\x00\xE0\n\0"
                                             "z\0\x00\xD8\x00\xDC",
                                             24))),
              "1 not \"key = value\": x\xF0\x9F\x98\x80\n"
              "2 not \"key = value\": y\xEF\xBF\xBD\xEE\x80\x80\n"
              "3 not \"key = value\": z\xF0\x90\x80\x80\n"
              "0 language missing\n0 sockets missing\n0 socket1.type missing\n"
              "0 socket1.locking missing\n0 socket1.contactor missing\n0 socket1.meter missing\n"
              "0 socket1.imax missing\n0 socket1.imax_s missing\n");
    // A lone surrogate and half a character at the end: U+FFFD each, the line
    // named.
    EXPECT_EQ(lines_of(errors_of(std::string("\xFF\xFEl\0\x00\xD8=", 7))),
              "1 not \"key = value\": l\xEF\xBF\xBD\xEF\xBF\xBD\n"
              "0 language missing\n0 sockets missing\n0 socket1.type missing\n"
              "0 socket1.locking missing\n0 socket1.contactor missing\n0 socket1.meter missing\n"
              "0 socket1.imax missing\n0 socket1.imax_s missing\n");
}

// A one-socket station's profile: socket 2 and the mode are written aside,
// and whatever they hold is no reason to refuse it.
TEST(Profile, AOneSocketProfileNeedsNoSocket2) {
    lang_set(LANGUAGE_ENGLISH);
    station_profile p;
    ASSERT_EQ(lines_of(errors_of(replaced(k_example, "sockets = 2", "sockets = 1"), &p)), "");
    const std::string text = profile_text(p.config, {{"socket2.type", ""}}, "x");
    EXPECT_NE(text.find("\n# with sockets = 1 the station uses neither mode nor socket 2; they "
                        "hold:\n# mode = alternate\nsocket1.type"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\n# socket2.type = ?  # the station did not say"), std::string::npos)
        << text;
    station_profile back;
    EXPECT_EQ(lines_of(errors_of(text, &back)), "");
    EXPECT_FALSE(back.config.two_sockets);
    EXPECT_EQ(lines_of(errors_of(replaced(replaced(k_example, "sockets = 2", "sockets = 1"),
                                          "socket2.imax = 6", "socket2.imax = ?x"))),
              "")
        << "socket 2's values are not checked with one socket";
    EXPECT_EQ(lines_of(errors_of(replaced(k_example, "socket2.imax = 6", "socket2.imax = ?x"))),
              "14 socket2.imax: \"?x\" is the station's code, which no option holds: give a whole "
              "number\n")
        << "and are with two";
}

TEST(Profile, EveryLineWithoutMeaningIsNamed) {
    lang_set(LANGUAGE_ENGLISH);
    const struct {
        std::string text, errors;
    } cases[] = {
        {replaced(k_example, "sockets = 2", "sockets = 3"), "2 sockets: \"3\" is not 1 or 2\n"},
        {replaced(k_example, "mode = alternate", "mode = both"),
         "3 mode: \"both\" is not simultaneous, alternate\n"},
        {replaced(k_example, "socket1.imax = 32", "socket1.imax = 32A"),
         "8 socket1.imax: \"32A\" is not a whole number\n"},
        {replaced(k_example, "language = French", "language = Klingon"),
         "1 language: \"Klingon\" is not one of Italian, English, Spanish, French\n"},
        {replaced(k_example, "socket2.meter = No meter", "socket2.meterr = No meter"),
         "13 unknown key \"socket2.meterr\"\n0 socket2.meter missing (needed with sockets = 2)\n"},
        {std::string(k_example) + "socket1.imax = 16\n",
         "16 socket1.imax given twice (first on line 8)\n"},
        {replaced(k_example, "socket1.imax_s = 10", "socket1.imax_s ="),
         "9 socket1.imax_s has no value\n"},
        {replaced(k_example, "socket1.imax_s = 10", "socket1.imax_s 10"),
         "9 not \"key = value\": socket1.imax_s 10\n0 socket1.imax_s missing\n"},
        {replaced(k_example, "language = French\n", ""), "0 language missing\n"},
        // A one-socket profile needs no socket 2 and no mode; a count that
        // is refused is not also missing, nor does it ask for socket 2.
        {"language = Italian\nsockets = 1\nsocket1.type = Type 2\nsocket1.locking = None\n"
         "socket1.contactor = None\nsocket1.meter = No meter\nsocket1.imax = 16\n"
         "socket1.imax_s = 10\n",
         ""},
        {"language = Italian\nsockets = two\nsocket1.type = Type 2\nsocket1.locking = None\n"
         "socket1.contactor = None\nsocket1.meter = No meter\nsocket1.imax = 16\n"
         "socket1.imax_s = 10\n",
         "2 sockets: \"two\" is not 1 or 2\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lines_of(errors_of(c.text)), c.errors) << c.text;
}

TEST(Profile, RefusalsPointAtTheirKeyAndDifferencesAreKeyByKey) {
    lang_set(LANGUAGE_ENGLISH);
    station_profile p;
    ASSERT_EQ(lines_of(errors_of(k_example, &p)), "");
    const struct {
        std::string line, by, key;
    } rules[] = {
        {"socket2.type = Type 3A\nsocket2.locking = None",
         "socket2.type = Domestic\nsocket2.locking = 2 actuators", "socket2.locking"},
        {"socket1.imax_s = 10", "socket1.imax_s = 17", "socket1.imax_s"},
        {"socket2.imax = 6", "socket2.imax = 64", "socket2.imax"},
        {"socket2.meter = No meter", "socket2.meter = Pulse meter", "socket2.contactor"},
        {"socket1.contactor = COIMP\nsocket1.meter = CT meter",
         "socket1.contactor = mirror Contact\nsocket1.meter = Pulse meter", "socket1.contactor"},
        {"socket1.type = Type 3C", "socket1.type = Type 1", "socket1.locking"},
    };
    for (const auto& r : rules) {
        station_profile bad;
        ASSERT_EQ(lines_of(errors_of(replaced(k_example, r.line, r.by), &bad)), "");
        checked_datetime dt;
        check_failure f;
        ASSERT_FALSE(config_check(bad.config, &dt, &f)) << r.by;
        EXPECT_EQ(key_of(f), r.key) << f.text;
    }

    station_config station = p.config;
    station.sockets[0].imax_m3 = "032"; // the same number
    station.sockets[1].meter_type = METER_DIGITAL;
    station.station_language = 0;
    std::string said;
    for (const profile_difference& d :
         profile_differences(p.config, station, {{"socket1.type", "7"}}))
        said += d.key + ": " + d.profile + " / " + d.station + "\n";
    EXPECT_EQ(said, "language: French / Italian\nsocket1.type: Type 3C / ?7\n"
                    "socket2.meter: No meter / Digital meter\n");
    // Socket 2 and the mode count only for a two-socket profile.
    p.config.two_sockets = station.two_sockets = false;
    station.station_language = p.config.station_language;
    EXPECT_TRUE(profile_differences(p.config, station).empty());
}

TEST_F(StationJobs, ReadWritesTheProfileOfWhatTheStationHolds) {
    fake::reset();
    const std::string path = file_path("read.profile");
    std::remove(path.c_str());
    station_answers("P1x711SST3210\r"); // a socket type no option holds
    EXPECT_EQ(station_read_job(k_station_port, path), 0);
    EXPECT_EQ(commands_sent(), "L N P1 P2 ");
    const std::string text = read_file(path);
    EXPECT_EQ(text.substr(0, text.find('\n')),
              "# station profile read from COM12 on 05/03/2019 at 14:07:09 by quenby 1.0");
    EXPECT_EQ(text.substr(text.find('\n') + 1),
              replaced(k_example, "socket1.type = Type 3C",
                       "socket1.type = ?7  # the station's code: no option of the form holds it"));

    // A language no option holds: its code behind '?', for the technician
    // to choose.
    fake::reset();
    fake::script_read(::text("L=XX\r"));
    fake::script_read(::text("N=2A\r"));
    fake::script_read(::text("P1x411SST3210\r"));
    fake::script_read(::text("P2x302SNN0606\r"));
    EXPECT_EQ(station_read_job(k_station_port, path), 0);
    EXPECT_NE(read_file(path).find("\nlanguage = ?XX  # the station's code"), std::string::npos)
        << read_file(path);

    // A Read that does not reach its end writes no profile.
    fake::reset();
    std::remove(path.c_str());
    station_answers("Q1x411SST3210\r");
    EXPECT_EQ(station_read_job(k_station_port, path), 1);
    EXPECT_FALSE(std::ifstream(path).good());
}

TEST_F(StationJobs, WriteSendsOnlyAProfileThatPassesAndSaysWhetherTheStationHoldsIt) {
    const std::string path = file_path("write.profile");
    write_file(path, k_example);
    fake::reset();
    fake::script_read(text("L=IT\r")); // asked first: it answers
    station_answers();
    EXPECT_EQ(station_write_job(k_station_port, path), 0);
    EXPECT_EQ(commands_sent(), "L D O L N P1 P2 A L N P1 P2 ");
    EXPECT_EQ(fake::hex(fake::dev().writes[1]), "44 19 03 05 0D") << "the date of the moment";
    EXPECT_EQ(fake::hex(fake::dev().writes[5]), "50 31 34 31 31 53 53 54 33 32 31 30 0D");
    EXPECT_EQ(fake::log_text().find("box"), std::string::npos);

    // A silent line: asked, and nothing sent.
    fake::reset();
    EXPECT_EQ(station_write_job(k_station_port, path), 1);
    EXPECT_EQ(commands_sent(), "L ");
    // A station that goes silent after the Write: it did not answer, which
    // is not "does not hold".
    fake::reset();
    fake::script_read(text("L=IT\r"));
    testing::internal::CaptureStderr();
    EXPECT_EQ(station_write_job(k_station_port, path), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "quenby: The station does not answer: check its cable, and that it is on\n");
    EXPECT_EQ(commands_sent(), "L D O L N P1 P2 A L ");
    EXPECT_TRUE(fake::events_of("box").empty()) << "the companion shows no box";

    // A one-socket profile: socket 2 neither checked nor sent.
    write_file(path, replaced(replaced(k_example, "sockets = 2", "sockets = 1"),
                              "socket2.contactor = mirror Contact", "socket2.contactor = ?"));
    fake::reset();
    fake::script_read(text("L=FR\r"));
    fake::script_read(text("L=FR\r"));
    fake::script_read(text("N=1\r"));
    fake::script_read(text("P1x411SST3210\r"));
    EXPECT_EQ(station_write_job(k_station_port, path), 0) << fake::log_text();
    EXPECT_EQ(commands_sent(), "L D O L N P1 A L N P1 P2 ");
    write_file(path, k_example);

    // A station that kept its language: told, and the status says so.
    fake::reset();
    fake::script_read(text("L=IT\r"));
    fake::script_read(text("L=IT\r"));
    fake::script_read(text("N=2A\r"));
    fake::script_read(text("P1x411SST3210\r"));
    fake::script_read(text("P2x302SNN0606\r"));
    testing::internal::CaptureStderr();
    EXPECT_EQ(station_write_job(k_station_port, path), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "quenby: The station does not hold what was written: station language\n");

    // A profile the rules refuse: nothing opened, nothing sent.
    write_file(path, replaced(k_example, "socket1.imax_s = 10", "socket1.imax_s = 17"));
    fake::reset();
    EXPECT_EQ(station_write_job(k_station_port, path), 2);
    EXPECT_TRUE(fake::dev().lines.empty());
    EXPECT_TRUE(fake::dev().writes.empty());
}

// The dry runs: every check the job runs before its port, the same
// messages, nothing opened; 0 when the job would go on, else 2.
TEST_F(StationJobs, DryRunsCheckWithoutADevice) {
    const std::string path = "/tmp/check.profile";
    write_file(path, k_example);
    testing::internal::CaptureStdout();
    EXPECT_EQ(station_check_job(path), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              path + ": passes the setup form's rules; station write would send it\n");
    write_file(path, replaced(k_example, "socket1.imax_s = 10", "socket1.imax_s = 17"));
    testing::internal::CaptureStderr();
    EXPECT_EQ(station_check_job(path), 2);
    const std::string refused = testing::internal::GetCapturedStderr();
    testing::internal::CaptureStderr();
    EXPECT_EQ(station_write_job(k_station_port, path), 2);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), refused) << "the same lines as write";
    EXPECT_EQ(refused.rfind(path + ":", 0), 0u) << refused;
    EXPECT_EQ(station_check_job("/tmp/no-such.profile"), 2);

    const std::string batch = "/tmp/check.csv";
    const std::string audit = "/tmp/check-audit.csv";
    std::filesystem::remove(audit);
    write_file(batch, "code,accesses,expiry\n00001234,15,\n00001235,,\n");
    cards_options o;
    o.batch = batch;
    testing::internal::CaptureStdout();
    EXPECT_EQ(cards_check_job(o), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              batch + ": 2 cards, every row passes the card form's checks\n");
    o.audit = audit;
    EXPECT_EQ(cards_check_job(o), 0) << "an audit not there yet is a new one";
    EXPECT_FALSE(std::filesystem::exists(audit)) << "a dry run writes nothing";
    write_file(audit, "time,uid,code,accesses,expiry,outcome\n"
                      "2019-03-05 14:07:09,0A1B2C3D,00001234,15,,written\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(cards_check_job(o), 2) << "an audit that holds cards needs --resume";
    EXPECT_NE(testing::internal::GetCapturedStderr().find("--resume goes on with it"),
              std::string::npos);
    o.resume = true;
    EXPECT_EQ(cards_check_job(o), 0);
    write_file(batch, "code,accesses,expiry\n00001234,70000,\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(cards_check_job(o), 2);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              batch + ":2: Invalid number of accesses: please enter a number from 0 to 65535\n"
                      "quenby cards: the batch is refused; no card written\n");
    EXPECT_TRUE(fake::dev().lines.empty()) << "no port opened by either";
    std::filesystem::remove(audit);

    // The issue itself: a batch that passes but whose reader's port does not
    // open is not done (1), not refused (2).
    write_file(batch, "code,accesses,expiry\n00001234,15,\n");
    o.audit.clear();
    o.resume = false;
    fake::dev().open_succeeds = false;
    testing::internal::CaptureStderr();
    EXPECT_EQ(cards_issue_job({"COM14", "\\\\.\\COM14", "", ""}, o), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "quenby cards: COM14: not present\n");
    // One card is one card; a reader that never answers stops the batch at
    // the time --wait gives.
    fake::reset();
    o.wait_seconds = 1;
    testing::internal::CaptureStdout();
    EXPECT_EQ(cards_issue_job({"COM14", "\\\\.\\COM14", "", ""}, o), 1);
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_EQ(said.substr(0, said.find('\n')), "COM14: 1 card from " + batch);
}

// --record: a line for each write that reached the station, on the disk at
// once: whether the station holds it, and the keys it holds otherwise.
TEST_F(StationJobs, WritesAreRecordedLineByLine) {
    const std::string path = "/tmp/rec,\"ord\".profile";
    const std::string record = "/tmp/writes.csv";
    std::filesystem::remove(record);
    write_file(path, k_example);
    fake::script_read(text("L=IT\r")); // asked first
    station_answers();                 // held
    testing::internal::CaptureStdout();
    EXPECT_EQ(station_write_job(k_station_port, path, record), 0);
    testing::internal::GetCapturedStdout();

    fake::reset(); // the station kept its language: the keys read back
    fake::script_read(text("L=IT\r"));
    fake::script_read(text("L=IT\r"));
    fake::script_read(text("N=2A\r"));
    fake::script_read(text("P1x411SST3210\r"));
    fake::script_read(text("P2x302SNN0606\r"));
    fake::script_read(text("L=IT\r")); // the Read after it
    fake::script_read(text("N=2A\r"));
    fake::script_read(text("P1x411SST3210\r"));
    fake::script_read(text("P2x302SNN0606\r"));
    testing::internal::CaptureStderr();
    EXPECT_EQ(station_write_job(k_station_port, path, record), 1);

    fake::reset(); // silent after the Write: nobody knows
    fake::script_read(text("L=IT\r"));
    EXPECT_EQ(station_write_job(k_station_port, path, record), 1);
    fake::reset(); // silent before: nothing sent, nothing recorded
    EXPECT_EQ(station_write_job(k_station_port, path, record), 1);
    testing::internal::GetCapturedStderr();

    std::ifstream in(record);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(lines.empty() ? line : line.substr(20)); // the time left out
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "time,port,profile,station,differs",
                         "COM12,\"rec,\"\"ord\"\".profile\",holds,",
                         "COM12,\"rec,\"\"ord\"\".profile\",does not hold,language",
                         "COM12,\"rec,\"\"ord\"\".profile\",not known,",
                     }));
    std::filesystem::remove(record);
}

TEST_F(StationJobs, DiffIsZeroOnlyWhenNothingDiffers) {
    const std::string path = file_path("diff.profile");
    write_file(path, k_example);
    fake::reset();
    station_answers();
    EXPECT_EQ(station_diff_job(k_station_port, path), 0);
    fake::reset();
    station_answers("P1x411SST1610\r");
    EXPECT_EQ(station_diff_job(k_station_port, path), 1);
    EXPECT_EQ(commands_sent(), "L N P1 P2 ") << "a diff only asks";
    write_file(path, replaced(k_example, "sockets = 2", "sockets = 9"));
    fake::reset();
    EXPECT_EQ(station_diff_job(k_station_port, path), 2);
    EXPECT_TRUE(fake::dev().writes.empty());
    write_file(path, k_example);
    fake::reset(); // a station that does not answer: nothing compared, not done
    EXPECT_EQ(station_diff_job(k_station_port, path), 1);
    // --json: one array of what differs, [] when nothing does.
    fake::reset();
    station_answers("P1x411SST1610\r");
    testing::internal::CaptureStdout();
    EXPECT_EQ(station_diff_job(k_station_port, path, true), 1);
    const nlohmann::json differs = nlohmann::json::parse(testing::internal::GetCapturedStdout());
    ASSERT_TRUE(differs.is_array());
    ASSERT_EQ(differs.size(), 1u) << differs.dump();
    EXPECT_EQ(differs[0]["key"], "socket1.imax");
    EXPECT_EQ(differs[0]["profile"], "32");
    EXPECT_EQ(differs[0]["station"], "16");
    fake::reset();
    station_answers();
    testing::internal::CaptureStdout();
    EXPECT_EQ(station_diff_job(k_station_port, path, true), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "[]\n");
}
