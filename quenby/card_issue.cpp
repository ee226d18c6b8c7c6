#include "card_issue.h"

#include "card_layout.h"
#include "card_writer_texts.h"
#include "clock_text.h"
#include "companion_texts.h"
#include "profile_tandor.h"
#include "reader.h"
#include "reader_presence.h"
#include "system.h"
#include "texts_tandor.h"

#include <map>
#include <nlohmann/json.hpp>

namespace {
enum { POLL_MS = 400, READ_BACK_TRIES = 3 };

bool pending(audit_outcome o) {
    return o == audit_outcome::writing || o == audit_outcome::may_be_written;
}

struct run {
    explicit run(const issue_job& j) : job(j), link(*j.link) {}
    const issue_job& job;
    device_link& link;
    card_reader reader{};
    std::map<std::string, code_state> codes;        // what the audit says of each code
    std::map<std::string, std::string> code_of_uid; // the cards that hold or may hold a code
    bool away_said = false;
    bool stopped = false;

    // A line for the technician; with --json, one JSON object a line.
    void say(const std::string& line) const {
        if (job.json)
            *job.out << nlohmann::json{{"said", line}}.dump() << std::endl;
        else
            *job.out << line << std::endl;
    }
};

// The reader did not answer as it should: said once until it does again. A
// frame that did not go out means the adapter is gone: its port is closed,
// and tried again until it is back (reader_presence.h).
void reader_trouble(run& r, exchange e) {
    if (!r.away_said)
        r.say(qtext(QT_READER_SILENT));
    r.away_said = true;
    reader_check_gone(r.link, e);
}

// Polls until the reader reports a card (card_wanted; its UID then in the
// reader), or no card or another card than `gone` (a card swapped between
// two polls was laid after the prompt too). `not_yet` is said once when the
// first answer is not that. False when it waited longer than the job allows
// or a stop was asked.
bool wait_for(run& r, bool card_wanted, const std::string& not_yet = "",
              const std::string& gone = "") {
    const std::int64_t start = sys_now_ms();
    bool first = true;
    for (;;) {
        int pause = LINK_RETRY_EVERY_MS;
        if (reader_ready(r.link)) {
            pause = POLL_MS;
            int status = READER_STATUS_UNREADABLE;
            const exchange e = card_detect(r.link, &r.reader, &status);
            if (e == exchange::done &&
                (status == READER_CARD_PRESENT || status == READER_NO_CARD)) {
                r.away_said = false;
                const bool card = status == READER_CARD_PRESENT;
                if (card_wanted ? card : !card || (!gone.empty() && r.reader.uid != gone))
                    return true;
                if (first && !not_yet.empty())
                    r.say(not_yet);
                first = false;
            } else {
                reader_trouble(r, e);
            }
        }
        if (r.job.stop_asked && r.job.stop_asked()) {
            r.stopped = true;
            return false;
        }
        if (r.job.give_up_ms > 0 && sys_now_ms() - start >= r.job.give_up_ms)
            return false;
        sys_sleep_ms(pause);
    }
}

std::string now_text() {
    return clock_stamp(sys_local_time());
}

// The audit line of what is known of the card on the reader and the row; the
// run's own record follows it. False with *why when the line is not on disk.
bool record(run& r, const batch_row& row, audit_outcome outcome, std::string* why) {
    const std::string uid = r.reader.uid;
    r.codes[row.code] = {uid, outcome, 0};
    if (outcome == audit_outcome::not_written)
        r.code_of_uid.erase(uid);
    else
        r.code_of_uid[uid] = row.code;
    if (r.job.json)
        *r.job.out << nlohmann::json{{"card", uid},
                                     {"code", row.code},
                                     {"line", row.line},
                                     {"outcome", audit_outcome_text(outcome)}}
                          .dump()
                   << std::endl;
    if (!r.job.audit)
        return true;
    return r.job.audit(
        audit_line({now_text(), uid, row.code, row.accesses, row.expiry, outcome, 0}), why);
}

enum class found { holds_row, writable, refused, unreadable };

// What the card on the reader holds, measured against `block`.
found look_at(run& r, const std::string& block, std::string* why) {
    char held[READER_BLOCK_CHARS + 1];
    int status = 0;
    if (block_read(r.link, &r.reader, CARD_ACCESS_BLOCK, held, &status) != exchange::done ||
        status != 0)
        return found::unreadable;
    if (block == held)
        return found::holds_row;
    bool user = false, master = false;
    classify_block(held, &user, &master);
    user_form_texts texts;
    if (master || (user && !decode_user_block(held, &texts))) { // in the card writer's words
        *why =
            localized_in(k_tandor_profile, master ? int{TXT_MASTER_CARD} : int{TXT_INVALID_CARD});
        return found::refused;
    }
    return found::writable;
}

// The block read back after a write, while the card is there: holds_row,
// writable (it does not hold it) or, when it cannot be read, unreadable.
found read_back(run& r, const std::string& block) {
    std::string ignored;
    for (int i = 0; i < READ_BACK_TRIES; ++i) {
        if (i)
            sys_sleep_ms(POLL_MS);
        const found f = look_at(r, block, &ignored);
        if (f != found::unreadable)
            return f == found::holds_row ? f : found::writable;
    }
    return found::unreadable;
}

enum class step { written, not_written, unknown, stop };

// The write of the row onto the card on the reader: its first audit line
// before the frame goes, its outcome once the card is read back.
step write_card(run& r, const batch_row& row, const std::string& block) {
    const std::string uid = r.reader.uid;
    std::string why;
    if (!record(r, row, audit_outcome::writing, &why)) {
        r.say(qtext(QT_AUDIT_FAILED_NOT_WRITTEN, {why, uid}));
        return step::stop;
    }
    int status = 0;
    const exchange sent = block_write(r.link, &r.reader, CARD_ACCESS_BLOCK, block.c_str(), &status);
    // A frame that did not go out reached no card; any other write is judged
    // by what the card holds afterwards, whatever its reply said.
    const found after = sent == exchange::write_failed ? found::writable : read_back(r, block);
    const audit_outcome outcome = after == found::holds_row  ? audit_outcome::written
                                  : after == found::writable ? audit_outcome::not_written
                                                             : audit_outcome::may_be_written;
    if (!record(r, row, outcome, &why)) {
        r.say(qtext(outcome == audit_outcome::written       ? QT_AUDIT_FAILED_HOLDS
                    : outcome == audit_outcome::not_written ? QT_AUDIT_FAILED_NOT_WRITTEN
                                                            : QT_AUDIT_FAILED_MAY_HOLD,
                    {why, uid, row.code}));
        return step::stop;
    }
    if (after == found::unreadable || sent == exchange::write_failed)
        reader_trouble(r, sent);
    return outcome == audit_outcome::written       ? step::written
           : outcome == audit_outcome::not_written ? step::not_written
                                                   : step::unknown;
}

// The card laid for the row, judged, and written when it may be. *expected
// is the card that may hold the code (cleared once it is seen without it);
// *f what the card was found to be.
step take_card(run& r, const batch_row& row, const std::string& block, std::string* expected,
               found* f) {
    const std::string uid = r.reader.uid;
    std::string why;
    const bool other = !expected->empty() && uid != *expected;
    *f = other || (expected->empty() && r.code_of_uid.count(uid)) ? found::refused
                                                                  : look_at(r, block, &why);
    if (other) {
        r.say(qtext(QT_NOT_THAT_CARD, {uid, *expected, row.code}));
        return step::not_written;
    }
    if (*f == found::refused && why.empty()) {
        r.say(qtext(QT_WRITTEN_ALREADY, {uid, r.code_of_uid[uid]}));
        return step::not_written;
    }
    if (*f == found::unreadable) {
        r.say(qtext(QT_BLOCK_UNREADABLE, {uid}));
        return step::not_written;
    }
    if (*f == found::holds_row) {
        if (record(r, row, audit_outcome::written, &why))
            return step::written;
        r.say(qtext(QT_AUDIT_FAILED_HOLDS, {why, uid, row.code}));
        return step::stop;
    }
    if (!expected->empty()) { // seen again: it does not hold the code
        r.say(qtext(QT_DOES_NOT_HOLD, {uid, row.code}));
        if (!record(r, row, audit_outcome::not_written, &why)) {
            r.say(qtext(QT_AUDIT_FAILED, {why}));
            return step::stop;
        }
        expected->clear();
    }
    if (*f == found::writable)
        return write_card(r, row, block);
    r.say(qtext(QT_CARD_REFUSED, {uid, why}));
    return step::not_written;
}

// One row: cards asked for until one holds it. False when the batch stops.
bool issue_row(run& r, const batch_row& row, const std::string& position) {
    const std::string block = row_block(row);
    const auto state = r.codes.find(row.code);
    std::string expected = // the card that may hold the code, until it is seen
        state != r.codes.end() && pending(state->second.outcome) ? state->second.uid : "";
    r.say(expected.empty() ? qtext(QT_LAY_CARD, {position, row.code})
                           : qtext(QT_LAY_AGAIN, {position, expected, row.code}));
    for (;;) {
        if (!wait_for(r, true))
            return false;
        const std::string uid = r.reader.uid;
        found f = found::refused;
        const step done = take_card(r, row, block, &expected, &f);
        if (done == step::stop)
            return false;
        if (done == step::written) {
            r.say(qtext(QT_ROW_WRITTEN, {position, uid, row.code}));
            return true;
        }
        if (done == step::unknown) {
            expected = uid;
            r.say(qtext(QT_MAY_BE_WRITTEN, {uid}));
        } else if (f == found::writable && expected.empty()) {
            r.say(qtext(QT_NOT_WRITTEN, {uid}));
        }
        if (expected.empty() && f != found::unreadable)
            r.say(qtext(QT_LIFT_AND_LAY));
        if (!wait_for(r, false, "", uid))
            return false;
    }
}

// The rows in the order they are asked for: those whose card must be seen
// again first (a resumed batch), then the others as the batch lists them.
std::vector<std::size_t> row_order(const run& r) {
    std::vector<std::size_t> first, then;
    for (std::size_t i = 0; i < r.job.rows.size(); ++i) {
        const auto s = r.codes.find(r.job.rows[i].code);
        (s != r.codes.end() && pending(s->second.outcome) ? first : then).push_back(i);
    }
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

void say_earlier(const run& r) {
    std::map<std::string, bool> in_batch;
    for (const batch_row& row : r.job.rows)
        in_batch[row.code] = true;
    for (const auto& [code, s] : r.codes)
        if (pending(s.outcome))
            r.say(qtext(
                in_batch.count(code) ? QT_EARLIER_FIRST : QT_EARLIER_ASIDE,
                {s.line ? qtext(QT_AUDIT_AT_LINE, {std::to_string(s.line)}) : qtext(QT_AUDIT_WORD),
                 s.uid, code}));
}
} // namespace

int issue_cards(const issue_job& job) {
    run r(job);
    r.codes = codes_of(job.earlier);
    for (const auto& [code, s] : r.codes)
        if (s.outcome != audit_outcome::not_written)
            r.code_of_uid[s.uid] = code;
    if (!job.audit)
        r.say(qtext(QT_NO_AUDIT));
    say_earlier(r);
    const std::size_t total = job.rows.size();
    std::size_t written = 0;
    bool go_on = wait_for(r, false, qtext(QT_CARD_LIES));
    for (const std::size_t i : row_order(r)) {
        if (!go_on)
            break;
        const batch_row& row = job.rows[i];
        const std::string position =
            qtext(QT_POSITION, {std::to_string(i + 1), std::to_string(total)});
        const auto s = r.codes.find(row.code);
        if (s != r.codes.end() && s->second.outcome == audit_outcome::written) {
            r.say(qtext(QT_DONE_ALREADY, {position, row.code}));
            ++written;
            continue;
        }
        go_on = issue_row(r, row, position);
        written += go_on ? 1 : 0;
        if (go_on && written < total)
            go_on = wait_for(r, false, qtext(QT_LIFT_CARD), r.reader.uid);
    }
    const bool all = written == total;
    if (all && go_on)
        wait_for(r, false, qtext(QT_LIFT_LAST_CARD));
    r.say(qtext(all ? QT_BATCH_DONE : QT_BATCH_STOPPED,
                {std::to_string(written), std::to_string(total)}));
    return all ? 0 : 1;
}
