// The companion's jobs that need a file: station profiles and card batches,
// on the fake device.
#include "card_batch.h"
#include "card_issue.h"
#include "config_check.h"
#include "profile_tandor.h"
#include "station_jobs.h"
#include "station_profile.h"
#include "tandor_test_support.h"

#include <gtest/gtest.h>

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

const listed_port k_station_port{"COM12", "\\\\.\\COM12", ""};

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

    // A code that no option holds is written as the code, never as an option.
    const std::string unknown = profile_text(p.config, {{"socket1.type", "7"}}, "x");
    EXPECT_NE(unknown.find("socket1.type = 7  # the station's code: no option of the form holds "
                           "it\n"),
              std::string::npos);
    EXPECT_EQ(lines_of(errors_of(replaced(k_example, "Type 3C", "7"))),
              "4 socket1.type: \"7\" is not one of Type 1, Type 2, Type 3A, Type 3C, Domestic\n");
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
    EXPECT_EQ(said, "language: French / Italian\nsocket1.type: Type 3C / 7\n"
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
                       "socket1.type = 7  # the station's code: no option of the form holds it"));

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
    station_answers();
    EXPECT_EQ(station_write_job(k_station_port, path), 0);
    EXPECT_EQ(commands_sent(), "D O L N P1 P2 A L N P1 P2 ");
    EXPECT_EQ(fake::hex(fake::dev().writes[0]), "44 19 03 05 0D") << "the date of the moment";
    EXPECT_EQ(fake::hex(fake::dev().writes[4]), "50 31 34 31 31 53 53 54 33 32 31 30 0D");
    EXPECT_EQ(fake::log_text().find("box"), std::string::npos);

    // A station that kept its language: told, and the status says so.
    fake::reset();
    fake::script_read(text("L=IT\r"));
    fake::script_read(text("N=2A\r"));
    fake::script_read(text("P1x411SST3210\r"));
    fake::script_read(text("P2x302SNN0606\r"));
    EXPECT_EQ(station_write_job(k_station_port, path), 1);
    EXPECT_EQ(fake::events_of("box"),
              std::vector<std::string>{"Error|The station does not hold what was written: station "
                                       "language"});

    // A profile the rules refuse: nothing opened, nothing sent.
    write_file(path, replaced(k_example, "socket1.imax_s = 10", "socket1.imax_s = 17"));
    fake::reset();
    EXPECT_EQ(station_write_job(k_station_port, path), 2);
    EXPECT_TRUE(fake::dev().lines.empty());
    EXPECT_TRUE(fake::dev().writes.empty());
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
}

namespace {
std::string batch_errors(const std::string& csv, std::vector<batch_row>* rows = nullptr) {
    std::vector<batch_row> local;
    std::vector<batch_error> errors;
    std::istringstream in(csv);
    read_batch(in, rows ? rows : &local, &errors);
    std::string s;
    for (const batch_error& e : errors)
        s += std::to_string(e.line) + " " + e.text + "\n";
    return s;
}
} // namespace

TEST(Batch, EveryRowIsCheckedBeforeAnyCard) {
    profile_set(&k_tandor_profile);
    lang_set(LANGUAGE_ENGLISH);
    std::vector<batch_row> rows;
    // A spreadsheet's file: byte order mark, CRLF, quotes, an empty line.
    ASSERT_EQ(batch_errors("\xEF\xBB\xBF"
                           "code,accesses,expiry\r\n00001234,15,05/03/2019 14\r\n\r\n"
                           "\"abcdef01\",,\r\n",
                           &rows),
              "");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(row_block(rows[0]), "00001234FFFFFFFFA514050319A5000F");
    EXPECT_EQ(rows[1].code, "ABCDEF01");
    EXPECT_EQ(rows[1].line, 4);
    EXPECT_EQ(row_block(rows[1]), "ABCDEF01FFFFFFFFFF00000000FF0000");

    EXPECT_EQ(batch_errors("code,accesses,expiry\n0000123G,1,\n00000001,65536,\n"
                           "00000002,1,31/04/2027 10\n00000003,1\n00000004,,\n00000004,2,\n"),
              "2 Invalid card code: please enter 8 hexadecimal digits (0-9, A-F)\n"
              "3 Invalid number of accesses: please enter a number from 0 to 65535\n"
              "4 Invalid date: please check the format dd/mm/yyyy hh\n"
              "5 3 fields wanted (code,accesses,expiry), 2 found\n"
              "7 card code 00000004 is on line 6 already\n");
    EXPECT_EQ(batch_errors("00001234,15,\n"),
              "1 the first line must be the header: code,accesses,expiry\n");
    EXPECT_EQ(batch_errors("code,accesses,expiry\n"), "1 no card in the batch: only the header\n");

    std::vector<audit_entry> audit;
    std::string error;
    std::istringstream in(std::string(k_audit_header) + "\n" +
                          audit_line({"2019-03-05 14:07:09", "0A1B2C3D", "00001234", "15", ""}) +
                          "\n");
    ASSERT_TRUE(read_audit(in, &audit, &error)) << error;
    ASSERT_EQ(audit.size(), 1u);
    EXPECT_EQ(audit[0].uid + " " + audit[0].code, "0A1B2C3D 00001234");
    std::istringstream bad(std::string(k_audit_header) + "\nhalf a line\n");
    EXPECT_FALSE(read_audit(bad, &audit, &error));
    EXPECT_EQ(error, "line 2 is no audit line (written,uid,code,accesses,expiry)");
}

// An audit file that is not there is a batch's first run; one that is there
// is read whole or refused, never taken as empty.
TEST(Batch, AnAuditFileIsReadOrRefusedNeverTakenAsEmpty) {
    const std::string folder = ::testing::TempDir() + "quenby-audit-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    std::vector<audit_entry> audit{{}};
    std::string error;
    EXPECT_TRUE(read_audit_file(folder + "/none.csv", &audit, &error)) << error;
    EXPECT_TRUE(audit.empty());
    EXPECT_FALSE(read_audit_file(folder, &audit, &error));
    EXPECT_EQ(error, "is no file");
    std::ofstream(folder + "/audit.csv")
        << k_audit_header << "\n"
        << audit_line({"2019-03-05 14:07:09", "0A1B2C3D", "00001234", "15", ""}) << "\n";
    EXPECT_TRUE(read_audit_file(folder + "/audit.csv", &audit, &error)) << error;
    EXPECT_EQ(audit.size(), 1u);
    std::filesystem::remove_all(folder);
}

namespace {
class CardBatch : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::reset();
        profile_set(&k_tandor_profile);
        lang_set(LANGUAGE_ENGLISH);
        std::vector<batch_error> errors;
        std::istringstream in("code,accesses,expiry\n00001234,15,05/03/2019 14\n00001235,,\n");
        ASSERT_TRUE(read_batch(in, &job.rows, &errors));
        job.audit = &audit;
        job.out = &out;
        job.device = "\\\\.\\COM14";
        job.give_up_ms = 3000;
        ASSERT_EQ(port_open_device(job.device.c_str()).result, SERIAL_OPENED);
    }
    // The block write frames sent, as their UID and block.
    std::vector<std::string> blocks_written() const {
        std::vector<std::string> blocks;
        for (const fake::bytes& w : fake::dev().writes)
            if (w[4] == '1' && w[5] == 'A')
                blocks.push_back(std::string(w.begin() + 6, w.begin() + 14) + " " +
                                 std::string(w.begin() + 30, w.end() - 3));
        return blocks;
    }
    std::size_t said(const std::string& line) const {
        std::size_t n = 0;
        for (std::size_t at = 0; (at = out.str().find(line, at)) != std::string::npos; ++at)
            ++n;
        return n;
    }
    issue_job job;
    std::ostringstream audit, out;
};
} // namespace

TEST_F(CardBatch, EachCardIsReadWrittenCheckedAndRecorded) {
    reply_no_card();
    reply_card("0A1B2C3D");
    reply_block(k_blank);
    reply_write_held();
    reply_card("0A1B2C3D"); // still there: the next card waits for the lift
    reply_no_card();
    reply_card("2C3D4E5F");
    reply_block(k_master); // refused, left as it is
    reply_no_card();
    reply_card("0A1B2C3D"); // the first card again: written in this batch
    reply_no_card();
    reply_card("1B2C3D4E");
    reply_block(k_user); // another User card: written over
    reply_write_held();
    EXPECT_EQ(issue_cards(job), 0) << out.str();
    EXPECT_EQ(blocks_written(),
              (std::vector<std::string>{"0A1B2C3D 00001234FFFFFFFFA514050319A5000F",
                                        "1B2C3D4E 00001235FFFFFFFFFF00000000FF0000"}));
    EXPECT_EQ(said("card 1 of 2 written: UID 0A1B2C3D, code 00001234"), 1u);
    EXPECT_EQ(said("card 2C3D4E5F refused: a Master card; left as it is"), 1u);
    EXPECT_EQ(said("card 0A1B2C3D refused: written in this batch already (code 00001234)"), 1u);
    EXPECT_EQ(said("card 2 of 2 written: UID 1B2C3D4E, code 00001235"), 1u);
    EXPECT_EQ(said("batch done: 2 of 2 cards written"), 1u);
    EXPECT_EQ(audit.str(), "2019-03-05 14:07:09,0A1B2C3D,00001234,15,05/03/2019 14\n"
                           "2019-03-05 14:07:09,1B2C3D4E,00001235,,\n");
}

TEST_F(CardBatch, AWriteTheCardDidNotTakeIsAskedAgainAndNothingIsRecordedTwice) {
    reply_card("0A1B2C3D");
    reply_block(k_blank);
    reply("1A", "00");
    reply_block(k_blank); // read back: the card did not take it
    reply_no_card();
    reply_card("0A1B2C3D"); // laid again, now holding the row (a late write)
    reply_block("00001234FFFFFFFFA514050319A5000F");
    reply_no_card();
    reply_card("3D4E5F60");
    reply_block("0000000000000000000000000000000F"); // invalid: refused
    reply_no_card();
    EXPECT_EQ(issue_cards(job), 1) << "given up waiting for card 2";
    EXPECT_EQ(blocks_written().size(), 1u) << "a card that holds the row is not written again";
    EXPECT_EQ(fake::events_of("box"), std::vector<std::string>{"Attention|Failed operation"});
    EXPECT_EQ(said("card 0A1B2C3D not written"), 1u);
    EXPECT_EQ(said("card 3D4E5F60 refused: an invalid card; left as it is"), 1u);
    EXPECT_EQ(said("batch stopped: 1 of 2 cards written; --resume goes on with it"), 1u);
    EXPECT_EQ(audit.str(), "2019-03-05 14:07:09,0A1B2C3D,00001234,15,05/03/2019 14\n");
}

TEST_F(CardBatch, AResumedBatchSkipsItsRowsAndRefusesItsCards) {
    job.earlier = {{"2019-03-05 14:00:00", "0A1B2C3D", "00001234", "15", "05/03/2019 14"}};
    reply_card("0A1B2C3D");
    reply_no_card();
    reply_card("1B2C3D4E");
    reply_block(k_blank);
    reply_write_held();
    EXPECT_EQ(issue_cards(job), 0);
    EXPECT_EQ(said("card 1 of 2 done already (code 00001234)"), 1u);
    EXPECT_EQ(said("card 0A1B2C3D refused: written in this batch already"), 1u);
    EXPECT_EQ(blocks_written(),
              std::vector<std::string>{"1B2C3D4E 00001235FFFFFFFFFF00000000FF0000"});
    EXPECT_EQ(audit.str(), "2019-03-05 14:07:09,1B2C3D4E,00001235,,\n");
}

TEST_F(CardBatch, AReaderThatIsAwayIsSaidOnceAndWaitedFor) {
    fake::script_read({}, 2700); // silent: no reply at all
    fake::script_read({}, 2700);
    reply_card("0A1B2C3D");
    reply_block(k_blank);
    reply_write_held();
    job.rows.pop_back();
    job.give_up_ms = 60000; // not reached: the card comes first
    EXPECT_EQ(issue_cards(job), 0);
    EXPECT_EQ(said("the reader does not answer: check its cable (waiting for it)"), 1u);
    EXPECT_TRUE(fake::events_of("box").empty()) << "polling shows no box for each try";
}

TEST_F(CardBatch, AnAdapterPulledOutIsOpenedAgainWhenItIsBack) {
    fake::dev().write_fails = true; // gone: frames do not go out, nor does it open
    fake::dev().open_succeeds = false;
    int opens = 0;
    fake::dev().on_open = [&opens] {
        if (++opens == 3) { // back at the third try, with a card on it
            fake::dev().open_succeeds = true;
            fake::dev().write_fails = false;
            reply_card("0A1B2C3D");
            reply_block(k_blank);
            reply_write_held();
        }
    };
    job.rows.pop_back();
    job.give_up_ms = 60000;
    EXPECT_EQ(issue_cards(job), 0) << out.str();
    EXPECT_EQ(opens, 3);
    EXPECT_EQ(blocks_written().size(), 1u);
    EXPECT_TRUE(fake::dev().is_open);

    // Gone for good: the wait still ends when the job allows.
    fake::reset();
    ASSERT_EQ(port_open_device(job.device.c_str()).result, SERIAL_OPENED);
    fake::dev().write_fails = true;
    fake::dev().open_succeeds = false;
    job.give_up_ms = 30000;
    EXPECT_EQ(issue_cards(job), 1);
}
