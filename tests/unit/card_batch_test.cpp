// quenby's card batches: the CSV and the audit read, and the batch issued
// card by card on the fake reader.
#include "audit_file.h"
#include "card_batch.h"
#include "card_issue.h"
#include "profile_tandor.h"
#include "tandor_test_support.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>

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

// An audit as "uid code outcome" lines, with its cut lines after them.
std::string audit_of(const std::string& text, bool* ok = nullptr) {
    audit_read audit;
    std::string error;
    std::istringstream in(text);
    const bool read = read_audit(in, &audit, &error);
    if (ok)
        *ok = read;
    if (!read)
        return error;
    std::string s;
    for (const audit_entry& e : audit.entries)
        s += e.uid + " " + e.code + " " + audit_line(e).substr(audit_line(e).rfind(',') + 1) +
             " @" + std::to_string(e.line) + "\n";
    for (const cut_line& c : audit.cut)
        s += "cut " + std::to_string(c.line) + (c.named ? " named" : "") + "\n";
    return s;
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class BatchFile : public ::testing::Test {
  protected:
    // As the companion runs: no program in force, its texts none of theirs.
    void SetUp() override {
        profile_set(nullptr);
        lang_set(LANGUAGE_ENGLISH);
    }
};
} // namespace

TEST_F(BatchFile, EveryRowIsCheckedBeforeAnyCard) {
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
    EXPECT_EQ(batch_errors("00001234,15,\n"), "1 the first line must be the header: "
                                              "code,accesses,expiry (or code;accesses;expiry)\n");
    EXPECT_EQ(batch_errors("code,accesses,expiry\n"), "1 no card in the batch: only the header\n");
}

// What a spreadsheet makes of a batch: ';' between cells in a European
// locale, leading zeros dropped, a stray control character in a cell.
TEST_F(BatchFile, SpreadsheetFilesAreReadOrRefusedWithAHint) {
    std::vector<batch_row> rows;
    ASSERT_EQ(batch_errors("code;accesses;expiry\r\n00001234;15;05/03/2019 14\r\n", &rows), "");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(row_block(rows[0]), "00001234FFFFFFFFA514050319A5000F");
    EXPECT_EQ(batch_errors("code;accesses;expiry\n00001234;15\n"),
              "2 3 fields wanted (code;accesses;expiry), 2 found\n");

    EXPECT_EQ(batch_errors("code,accesses,expiry\n1234,15,\n"),
              "2 Invalid card code: please enter 8 hexadecimal digits (0-9, A-F) (a spreadsheet "
              "drops leading zeros: 00001234 is written with them, the cell formatted as text)\n");
    EXPECT_EQ(batch_errors("code,accesses,expiry\n123456789,15,\n"),
              "2 Invalid card code: please enter 8 hexadecimal digits (0-9, A-F)\n")
        << "too many digits gets no hint";

    EXPECT_EQ(batch_errors(std::string("code,accesses,expiry\n0000", 25) + std::string(1, '\0') +
                           "123,15,\n00001235,1\t5,\n00001236,15,\x1B\n"),
              "2 a control character (0x00) in its code: the row is refused\n"
              "3 a control character (0x09) in its accesses: the row is refused\n"
              "4 a control character (0x1B) in its expiry: the row is refused\n");
}

// Each write is two lines: its attempt before the frame goes, its outcome
// after. A line cut short by a power loss is a card that must be seen again.
TEST_F(BatchFile, AnAuditIsReadLineByLineAndACutLineIsACardToSeeAgain) {
    const std::string header = std::string(k_audit_header) + "\n";
    const std::string writing = "2019-03-05 14:07:09,0a1b2c3d,00001234,15,,writing\n";
    bool ok = false;
    EXPECT_EQ(
        audit_of(header + writing + "2019-03-05 14:07:10,0A1B2C3D,00001234,15,,written\n", &ok),
        "0A1B2C3D 00001234 writing @2\n0A1B2C3D 00001234 written @3\n");
    EXPECT_TRUE(ok);
    // The earlier form: five fields, each line a card written.
    EXPECT_EQ(
        audit_of("written,uid,code,accesses,expiry\n2019-03-05 14:07:09,0A1B2C3D,00001234,15,\n"),
        "0A1B2C3D 00001234 written @2\n");
    EXPECT_EQ(audit_of(header + "half a line\n" + writing, &ok),
              "line 2 is no audit line (time,uid,code,accesses,expiry,outcome)");
    EXPECT_FALSE(ok);
    EXPECT_EQ(
        audit_of(header + writing + "2019-03-05 14:07:10,0A1B2C3D,00001234,15,,stored\n", &ok),
        "line 3 is no audit line (time,uid,code,accesses,expiry,outcome)")
        << "an outcome the audit does not know";

    EXPECT_EQ(audit_of(header + writing + "2019-03-05 14:07:10,0A1B2C3D,00001234,15,,wri"),
              "0A1B2C3D 00001234 writing @2\n0A1B2C3D 00001234 may be written @3\ncut 3 named\n");
    EXPECT_EQ(audit_of(header + "2019-03-05 14:0"), "cut 2\n");
    EXPECT_EQ(audit_of(header + "2019-03-05 14:07:10,0A1B2C3D,00001234,15,,written"),
              "0A1B2C3D 00001234 written @2\n")
        << "a whole line that only lacks its line end";
    EXPECT_EQ(audit_of(header + "2019-03-05 14:0,cut short\n" + writing),
              "0A1B2C3D 00001234 writing @3\ncut 2\n")
        << "a cut line marked once the file went on";
    EXPECT_EQ(audit_of(header + "2019-03-05 14:0\n" + writing, &ok),
              "line 2 is no audit line (time,uid,code,accesses,expiry,outcome)")
        << "only the last line can be cut without its mark";

    audit_read read;
    std::string error;
    std::istringstream in(header + writing + "x,1B2C3D4E,00001235,,,written\n" +
                          "y,0A1B2C3D,00001234,15,,not written\n");
    ASSERT_TRUE(read_audit(in, &read, &error));
    const std::map<std::string, code_state> codes = codes_of(read.entries);
    EXPECT_EQ(codes.at("00001234").outcome, audit_outcome::not_written);
    EXPECT_EQ(codes.at("00001235").outcome, audit_outcome::written);
    EXPECT_EQ(cards_of(read.entries), 1u);
}

// An audit file that is not there is a batch's first run; one that is there
// is read whole or refused, never taken as empty. One appended to starts
// each line on a line of its own.
TEST_F(BatchFile, AnAuditFileIsReadOrRefusedAndAppendedToLineByLine) {
    const std::string folder = ::testing::TempDir() + "quenby-audit-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    audit_read audit;
    audit.entries.resize(1);
    std::string error;
    EXPECT_TRUE(read_audit_file(folder + "/none.csv", &audit, &error)) << error;
    EXPECT_TRUE(audit.entries.empty());
    EXPECT_FALSE(read_audit_file(folder, &audit, &error));
    EXPECT_EQ(error, "is no file");

    const std::string path = folder + "/audit.csv";
    {
        audit_file file;
        ASSERT_TRUE(file.open(path, k_audit_header, "", &error)) << error;
        ASSERT_TRUE(file.append("2019-03-05 14:07:09,0A1B2C3D,00001234,15,,writing", &error));
    }
    std::ofstream(path, std::ios::app | std::ios::binary) << "2019-03-05 14:0"; // the power lost
    EXPECT_TRUE(read_audit_file(path, &audit, &error)) << error;
    EXPECT_EQ(audit.cut.size(), 1u);
    EXPECT_TRUE(audit.last_cut);
    {
        audit_file file;
        ASSERT_TRUE(file.open(path, k_audit_header, k_cut_mark, &error)) << error;
        ASSERT_TRUE(file.append("2019-03-05 14:07:11,0A1B2C3D,00001234,15,,written", &error));
    }
    const std::string nl = read_file(path).find("\r\n") != std::string::npos ? "\r\n" : "\n";
    EXPECT_EQ(read_file(path), std::string(k_audit_header) + nl +
                                   "2019-03-05 14:07:09,0A1B2C3D,00001234,15,,writing" + nl +
                                   "2019-03-05 14:0,cut short" + nl +
                                   "2019-03-05 14:07:11,0A1B2C3D,00001234,15,,written" + nl);
    EXPECT_TRUE(read_audit_file(path, &audit, &error)) << error;
    EXPECT_EQ(audit.entries.size(), 2u);
    EXPECT_FALSE(audit.last_cut) << "marked: no second mark";

    // A disk that is full: the header's line is refused, and said so.
    if (std::filesystem::exists("/dev/full")) {
        audit_file full;
        EXPECT_FALSE(full.open("/dev/full", k_audit_header, "", &error));
        EXPECT_EQ(error, "No space left on device");
    }
    std::filesystem::create_directory(folder + "/held.csv");
    audit_file refused;
    EXPECT_FALSE(refused.open(folder + "/held.csv", k_audit_header, "", &error));
    EXPECT_FALSE(error.empty());
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
        job.audit = [this](const std::string& line, std::string* why) {
            if (audit_fails_after >= 0 && static_cast<int>(audit.size()) >= audit_fails_after) {
                *why = "No space left on device";
                return false;
            }
            audit.push_back(line.substr(line.find(',') + 1)); // without the time
            return true;
        };
        job.out = &out;
        job.link = &link;
        job.give_up_ms = 3000;
        ASSERT_EQ(link_open_device(link, "\\\\.\\COM14").result, SERIAL_OPENED);
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
    std::string audit_text() const {
        std::string s;
        for (const std::string& line : audit)
            s += line + "\n";
        return s;
    }
    // The batch run again from the start: the device, the audit and the output
    // as new.
    void again() {
        fake::reset();
        audit.clear();
        out.str("");
        link = device_link(k_tandor_profile);
        ASSERT_EQ(link_open_device(link, "\\\\.\\COM14").result, SERIAL_OPENED);
    }
    // The reader empty, then a blank card laid and read.
    static void blank_laid(const char* uid = "0A1B2C3D") {
        reply_no_card();
        reply_card(uid);
        reply_block(k_blank);
    }
    device_link link{k_tandor_profile}; // quiet, as the batch holds it
    issue_job job;
    std::vector<std::string> audit;
    int audit_fails_after = -1;
    std::ostringstream out;
};

const char k_row1[] = "00001234FFFFFFFFA514050319A5000F";
const char k_row2[] = "00001235FFFFFFFFFF00000000FF0000";
} // namespace

TEST_F(CardBatch, EachCardIsReadWrittenCheckedAndRecorded) {
    blank_laid();
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
    reply_card("1B2C3D4E"); // the end asks for the last card to be lifted
    reply_no_card();
    EXPECT_EQ(issue_cards(job), 0) << out.str();
    EXPECT_EQ(blocks_written(), (std::vector<std::string>{std::string("0A1B2C3D ") + k_row1,
                                                          std::string("1B2C3D4E ") + k_row2}));
    EXPECT_EQ(said("card 1 of 2 written: UID 0A1B2C3D, code 00001234"), 1u);
    EXPECT_EQ(said("lift the card\n"), 1u);
    EXPECT_EQ(said("card 2C3D4E5F refused: Master Card; left as it is"), 1u);
    EXPECT_EQ(said("card 0A1B2C3D refused: written in this batch already (code 00001234)"), 1u);
    EXPECT_EQ(said("card 2 of 2 written: UID 1B2C3D4E, code 00001235"), 1u);
    EXPECT_EQ(said("lift the last card\nbatch done: 2 of 2 cards written\n"), 1u) << out.str();
    EXPECT_TRUE(fake::dev().reads.empty()) << "the batch ended before the last card was lifted";
    EXPECT_EQ(audit_text(), "0A1B2C3D,00001234,15,05/03/2019 14,writing\n"
                            "0A1B2C3D,00001234,15,05/03/2019 14,written\n"
                            "1B2C3D4E,00001235,,,writing\n"
                            "1B2C3D4E,00001235,,,written\n");
    EXPECT_TRUE(fake::events_of("box").empty()) << "the companion tells in its own words";
}

// A card lying on the reader before the first prompt (a customer's card, the
// last one of the batch before) is not touched: it is lifted first.
// --json: the progress one JSON object a line, each card's outcome as the
// audit records it.
TEST_F(CardBatch, ProgressAsJsonLines) {
    job.json = true;
    job.rows.pop_back();
    blank_laid();
    reply_write_held();
    reply_no_card();
    EXPECT_EQ(issue_cards(job), 0) << out.str();
    std::istringstream lines(out.str());
    std::vector<nlohmann::json> said, cards;
    for (std::string line; std::getline(lines, line);) {
        const nlohmann::json j = nlohmann::json::parse(line); // each line a whole object
        (j.contains("card") ? cards : said).push_back(j);
    }
    ASSERT_EQ(cards.size(), 2u) << out.str();
    EXPECT_EQ(cards[0].dump(),
              "{\"card\":\"0A1B2C3D\",\"code\":\"00001234\",\"line\":2,\"outcome\":\"writing\"}");
    EXPECT_EQ(cards[1]["outcome"], "written");
    ASSERT_FALSE(said.empty());
    EXPECT_EQ(said.back()["said"], "batch done: 1 of 1 cards written") << out.str();
}

TEST_F(CardBatch, ACardLyingThereAtTheStartIsNotTouched) {
    reply_card("7A7B7C7D");
    reply_card("7A7B7C7D");
    blank_laid();
    reply_write_held();
    reply_no_card();
    job.rows.pop_back();
    EXPECT_EQ(issue_cards(job), 0) << out.str();
    EXPECT_EQ(said("a card lies on the reader: lift it first"), 1u);
    for (const fake::bytes& w : fake::dev().writes)
        EXPECT_EQ(std::string(w.begin(), w.end()).find("7A7B7C7D"), std::string::npos)
            << "nothing asked of the card that lay there: " << fake::hex(w);
    EXPECT_EQ(blocks_written(), std::vector<std::string>{std::string("0A1B2C3D ") + k_row1});
    const std::string text = out.str();
    EXPECT_LT(text.find("lift it first"), text.find("card 1 of 1: lay")) << text;
}

// A write whose outcome nobody knows is neither: the card may hold the code,
// so the code goes onto no other card until that card is seen again.
TEST_F(CardBatch, AWriteLostOnTheWayIsSettledOnTheSameCard) {
    job.rows.pop_back();
    // The write's reply lost: the read-back tells, the card holds it.
    blank_laid();
    fake::script_read({}, fake::SILENT_READ_MS);
    reply_held();
    reply_no_card();
    EXPECT_EQ(issue_cards(job), 0) << out.str();
    EXPECT_EQ(blocks_written().size(), 1u);
    EXPECT_EQ(audit_text(), "0A1B2C3D,00001234,15,05/03/2019 14,writing\n"
                            "0A1B2C3D,00001234,15,05/03/2019 14,written\n");

    // The read-back lost three times: may be written; another card laid is
    // not taken; the same card laid again, holding the row, is written.
    again();
    blank_laid();
    reply("1A", "00");
    for (int i = 0; i < 3; ++i)
        fake::script_read({}, fake::SILENT_READ_MS);
    reply_no_card();
    reply_card("1B2C3D4E"); // another card
    reply_no_card();
    reply_card("0A1B2C3D"); // the same card
    reply_block(k_row1);
    reply_no_card();
    EXPECT_EQ(issue_cards(job), 0) << out.str();
    EXPECT_EQ(said("card 0A1B2C3D may be written: lay the same card again"), 1u) << out.str();
    EXPECT_EQ(said("card 1B2C3D4E is not card 0A1B2C3D: lift it, and lay card 0A1B2C3D"), 1u);
    EXPECT_EQ(said("card 0A1B2C3D not written"), 0u);
    EXPECT_EQ(blocks_written().size(), 1u) << "nothing written onto the other card";
    EXPECT_EQ(said("card 1 of 1 written: UID 0A1B2C3D, code 00001234"), 1u);
    EXPECT_EQ(audit_text(), "0A1B2C3D,00001234,15,05/03/2019 14,writing\n"
                            "0A1B2C3D,00001234,15,05/03/2019 14,may be written\n"
                            "0A1B2C3D,00001234,15,05/03/2019 14,written\n");

    // Lifted just after the write (the read-back finds no card); laid again
    // without the row, it is written again, the same card.
    again();
    blank_laid();
    reply("1A", "00");
    for (int i = 0; i < 3; ++i)
        reply("19", "01");
    blank_laid();
    reply_write_held();
    reply_no_card();
    EXPECT_EQ(issue_cards(job), 0) << out.str();
    EXPECT_EQ(said("card 0A1B2C3D does not hold code 00001234: it was not written"), 1u);
    EXPECT_EQ(blocks_written().size(), 2u);
    EXPECT_EQ(audit_text(), "0A1B2C3D,00001234,15,05/03/2019 14,writing\n"
                            "0A1B2C3D,00001234,15,05/03/2019 14,may be written\n"
                            "0A1B2C3D,00001234,15,05/03/2019 14,not written\n"
                            "0A1B2C3D,00001234,15,05/03/2019 14,writing\n"
                            "0A1B2C3D,00001234,15,05/03/2019 14,written\n");
}

// Read back without the row: not written, the same code asked on the next
// card; the card that holds the row (a late write) is not written again.
TEST_F(CardBatch, AWriteTheCardDidNotTakeIsAskedAgain) {
    blank_laid();
    reply("1A", "00");
    reply_block(k_blank); // read back: the card did not take it
    reply_no_card();
    reply_card("0A1B2C3D"); // laid again, now holding the row (a late write)
    reply_block(k_row1);
    reply_no_card();
    reply_card("3D4E5F60");
    reply_block("0000000000000000000000000000000F"); // invalid: refused
    reply_no_card();
    EXPECT_EQ(issue_cards(job), 1) << "given up waiting for card 2";
    EXPECT_EQ(blocks_written().size(), 1u) << "a card that holds the row is not written again";
    EXPECT_EQ(said("card 0A1B2C3D not written"), 1u);
    EXPECT_EQ(said("card 3D4E5F60 refused: Invalid card; left as it is"), 1u);
    EXPECT_EQ(said("batch stopped: 1 of 2 cards written; --resume goes on with it"), 1u);
    EXPECT_EQ(audit_text(), "0A1B2C3D,00001234,15,05/03/2019 14,writing\n"
                            "0A1B2C3D,00001234,15,05/03/2019 14,not written\n"
                            "0A1B2C3D,00001234,15,05/03/2019 14,written\n");
}

// A resumed batch skips the rows its audit holds, refuses their cards, and
// asks first for a card that may hold a code.
TEST_F(CardBatch, AResumedBatchKnowsWhichCardMayHoldWhichRow) {
    job.earlier = {{"t", "0A1B2C3D", "00001234", "15", "05/03/2019 14", audit_outcome::written, 2}};
    reply_no_card();
    reply_card("0A1B2C3D");
    reply_no_card();
    reply_card("1B2C3D4E");
    reply_block(k_blank);
    reply_write_held();
    reply_no_card();
    EXPECT_EQ(issue_cards(job), 0);
    EXPECT_EQ(said("card 1 of 2 done already (code 00001234)"), 1u);
    EXPECT_EQ(said("card 0A1B2C3D refused: written in this batch already"), 1u);
    EXPECT_EQ(blocks_written(), std::vector<std::string>{std::string("1B2C3D4E ") + k_row2});

    // Cut off while card 2's write was out: it is asked for first, by its UID.
    again();
    job.earlier = {{"t", "1B2C3D4E", "00001235", "", "", audit_outcome::writing, 3}};
    reply_no_card();
    reply_card("0A1B2C3D"); // a blank card, not the one
    reply_no_card();
    reply_card("1B2C3D4E");
    reply_block(k_row2);
    blank_laid();
    reply_write_held();
    reply_no_card();
    EXPECT_EQ(issue_cards(job), 0) << out.str();
    EXPECT_EQ(said("audit line 3: card 1B2C3D4E may hold code 00001235: it is asked for first"),
              1u);
    EXPECT_EQ(said("card 2 of 2: card 1B2C3D4E may hold code 00001235: lay card 1B2C3D4E again"),
              1u);
    EXPECT_EQ(blocks_written(), std::vector<std::string>{std::string("0A1B2C3D ") + k_row1});
    EXPECT_EQ(audit_text(), "1B2C3D4E,00001235,,,written\n"
                            "0A1B2C3D,00001234,15,05/03/2019 14,writing\n"
                            "0A1B2C3D,00001234,15,05/03/2019 14,written\n");
}

// An audit line that does not reach the disk stops the batch before the
// next card, saying what the card holds.
TEST_F(CardBatch, AnAuditThatCannotBeWrittenStopsTheBatch) {
    audit_fails_after = 0; // the first line already
    blank_laid();
    EXPECT_EQ(issue_cards(job), 1);
    EXPECT_TRUE(blocks_written().empty()) << "no write goes out before its record";
    EXPECT_EQ(said("the audit cannot be written (No space left on device): card 0A1B2C3D was not "
                   "written; the batch stops"),
              1u)
        << out.str();

    again();
    audit_fails_after = 1; // the outcome line
    blank_laid();
    reply_write_held();
    EXPECT_EQ(issue_cards(job), 1);
    EXPECT_EQ(blocks_written().size(), 1u);
    EXPECT_EQ(said("the audit cannot be written (No space left on device): card 0A1B2C3D holds "
                   "code 00001234 and is not recorded: note it; the batch stops"),
              1u)
        << out.str();
    EXPECT_EQ(said("batch stopped: 0 of 2 cards written"), 1u) << out.str();
    EXPECT_TRUE(fake::dev().reads.empty());
}

// Ctrl+C ends the batch at its next wait, as --wait does; no audit kept is
// said at the start.
TEST_F(CardBatch, CtrlCAndNoAuditAreSaid) {
    job.audit = nullptr;
    int asked = 0;
    job.stop_asked = [&asked] { return ++asked >= 3; };
    job.give_up_ms = 0;
    EXPECT_EQ(issue_cards(job), 1);
    EXPECT_EQ(said("no audit: nothing will record which card holds which code"), 1u);
    EXPECT_EQ(said("batch stopped: 0 of 2 cards written; --resume goes on with it"), 1u);
    EXPECT_EQ(asked, 3);
}

TEST_F(CardBatch, AReaderThatIsAwayIsSaidOnceAndWaitedFor) {
    fake::script_read({}, 2700); // silent: no reply at all
    fake::script_read({}, 2700);
    blank_laid();
    reply_write_held();
    reply_no_card();
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
        if (++opens == 3) { // back at the third try, with a card laid after
            fake::dev().open_succeeds = true;
            fake::dev().write_fails = false;
            blank_laid();
            reply_write_held();
            reply_no_card();
        }
    };
    job.rows.pop_back();
    job.give_up_ms = 60000;
    EXPECT_EQ(issue_cards(job), 0) << out.str();
    EXPECT_EQ(opens, 4) << "found back at the third try, then opened with the reader's waits";
    EXPECT_EQ(fake::events_of("open"), std::vector<std::string>(5, "\\\\.\\COM14"))
        << "the port the batch opened, tried again";
    EXPECT_EQ(blocks_written().size(), 1u);
    EXPECT_TRUE(link_is_open(link));

    // Gone for good: the wait still ends when the job allows.
    fake::reset();
    link = device_link(k_tandor_profile);
    ASSERT_EQ(link_open_device(link, "\\\\.\\COM14").result, SERIAL_OPENED);
    fake::dev().write_fails = true;
    fake::dev().open_succeeds = false;
    job.give_up_ms = 30000;
    EXPECT_EQ(issue_cards(job), 1);
}
