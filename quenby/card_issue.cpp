#include "card_issue.h"

#include "block_write_checked.h"
#include "card_layout.h"
#include "port.h"
#include "reader.h"
#include "system.h"

#include <cstdio>
#include <map>
#include <set>

namespace {
enum { POLL_MS = 400, REOPEN_MS = 1000, CARD_BLOCK = 4 };

struct run {
    const issue_job& job;
    card_reader reader{};
    std::set<std::string> written_uids;
    std::map<std::string, std::string> code_of_uid;
    std::string last_written; // the card written last, until it is lifted
    bool away_said = false;
    bool closed = false; // the adapter was gone: the port is closed until it is back

    void say(const std::string& line) const { *job.out << line << std::endl; }
};

// The reader did not answer as it should: said once until it does again. A
// frame that did not go out means the adapter is gone: its port is closed,
// and opened again at the next tries until it is back.
void reader_trouble(run& r, exchange e) {
    if (!r.away_said)
        r.say("the reader does not answer: check its cable (waiting for it)");
    r.away_said = true;
    if (e == exchange::write_failed) {
        port_close();
        r.closed = true;
    }
}

// True when the port is open, opened again here when the adapter was gone.
bool port_back(run& r) {
    if (r.closed)
        r.closed = port_open_device(r.job.device.c_str()).result != SERIAL_OPENED;
    return !r.closed;
}

// Polls until the reader reports what is waited for: a card (its UID then in
// the reader), or (card_wanted false) no card or another card than `uid`.
// False when it waited longer than the job allows.
bool wait_for(run& r, bool card_wanted, const std::string& uid) {
    const std::int64_t start = sys_now_ms();
    for (;;) {
        int pause = REOPEN_MS;
        if (port_back(r)) {
            pause = POLL_MS;
            int status = READER_STATUS_UNREADABLE;
            const exchange e = card_detect_quiet(&r.reader, &status);
            if (e == exchange::done &&
                (status == READER_CARD_PRESENT || status == READER_NO_CARD)) {
                r.away_said = false;
                const bool card = status == READER_CARD_PRESENT;
                if (card_wanted ? card : !card || uid != r.reader.uid)
                    return true;
            } else {
                reader_trouble(r, e);
            }
        }
        if (r.job.give_up_ms > 0 && sys_now_ms() - start >= r.job.give_up_ms)
            return false;
        sys_sleep_ms(pause);
    }
}

enum class laid { write, holds_row, refused };

// What is done with the card on the reader for `row`.
laid judge(run& r, const std::string& block_wanted) {
    const std::string uid = r.reader.uid;
    if (r.written_uids.count(uid)) {
        r.say("card " + uid + " refused: written in this batch already (code " +
              r.code_of_uid[uid] + "); left as it is");
        return laid::refused;
    }
    char block[READER_BLOCK_CHARS + 1];
    int status = 0;
    if (block_read(&r.reader, CARD_BLOCK, block, &status) != exchange::done || status != 0) {
        r.say("card " + uid + " refused: its block 4 could not be read; left as it is");
        return laid::refused;
    }
    bool user = false, master = false;
    classify_block(block, &user, &master);
    user_form_texts texts;
    if (master || (user && !decode_user_block(block, &texts))) {
        r.say("card " + uid + " refused: " + (master ? "a Master card" : "an invalid card") +
              "; left as it is");
        return laid::refused;
    }
    return block_wanted == block ? laid::holds_row : laid::write;
}

std::string now_text() {
    const local_time t = sys_local_time();
    char s[32];
    std::snprintf(s, sizeof s, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return s;
}

void record(run& r, const batch_row& row) {
    const audit_entry e{now_text(), r.reader.uid, row.code, row.accesses, row.expiry};
    if (r.job.audit)
        *r.job.audit << audit_line(e) << std::endl; // flushed: a batch cut off loses nothing
    r.written_uids.insert(e.uid);
    r.code_of_uid[e.uid] = e.code;
}

// One row: cards asked for until one holds it. False when given up.
bool issue_row(run& r, const batch_row& row, const std::string& position) {
    const std::string block = row_block(row);
    r.say(position + ": lay a blank or User card on the reader (code " + row.code + ")");
    for (;;) {
        if (!wait_for(r, true, ""))
            return false;
        const std::string uid = r.reader.uid;
        const laid verdict = judge(r, block);
        if (verdict == laid::holds_row ||
            (verdict == laid::write && block_write_checked(r.reader, CARD_BLOCK, block.c_str()))) {
            record(r, row);
            r.say(position + " written: UID " + uid + ", code " + row.code);
            r.last_written = uid;
            return true;
        }
        if (verdict == laid::write)
            r.say("card " + uid + " not written");
        r.say("lift it, and lay a blank or User card");
        if (!wait_for(r, false, uid))
            return false;
    }
}
} // namespace

int issue_cards(const issue_job& job) {
    run r{job, {}, {}, {}, {}, false, false};
    std::set<std::string> done_codes;
    for (const audit_entry& e : job.earlier) {
        r.written_uids.insert(e.uid);
        r.code_of_uid[e.uid] = e.code;
        done_codes.insert(e.code);
    }
    const std::size_t total = job.rows.size();
    std::size_t written = 0;
    for (std::size_t i = 0; i < total; ++i) {
        const batch_row& row = job.rows[i];
        const std::string position =
            "card " + std::to_string(i + 1) + " of " + std::to_string(total);
        if (done_codes.count(row.code)) {
            r.say(position + " done already (code " + row.code + ")");
            ++written;
            continue;
        }
        // The next card is asked for once the last one is lifted.
        if (!r.last_written.empty()) {
            r.say("lift the card");
            if (!wait_for(r, false, r.last_written))
                break;
            r.last_written.clear();
        }
        if (!issue_row(r, row, position))
            break;
        ++written;
    }
    const bool all = written == total;
    r.say(all ? "batch done: " + std::to_string(total) + " of " + std::to_string(total) +
                    " cards written"
              : "batch stopped: " + std::to_string(written) + " of " + std::to_string(total) +
                    " cards written; --resume goes on with it");
    return all ? 0 : 1;
}
