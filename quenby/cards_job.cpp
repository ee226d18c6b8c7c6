#include "cards_job.h"

#include "audit_file.h"
#include "card_issue.h"
#include "companion_link.h"
#include "companion_texts.h"
#include "language.h"
#include "port.h"
#include "profile.h"
#include "profile_tandor.h"

#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>

namespace {
volatile std::sig_atomic_t g_stop_asked = 0;

extern "C" void on_interrupt(int) {
    g_stop_asked = 1;
}

// A line of the batch's progress: as it is, or with --json as {"said": ...}.
void say(const cards_options& o, const std::string& line) {
    if (o.json)
        std::cout << nlohmann::json{{"said", line}}.dump() << std::endl;
    else
        std::cout << line << std::endl;
}

bool load_batch(const std::string& path, std::vector<batch_row>* rows) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "quenby cards: %s\n", qtext(QT_CANNOT_READ, {path}).c_str());
        return false;
    }
    std::vector<batch_error> errors;
    if (read_batch(file, rows, &errors))
        return true;
    for (const batch_error& e : errors)
        std::fprintf(stderr, "%s:%d: %s\n", path.c_str(), e.line, e.text.c_str());
    std::fprintf(stderr, "quenby cards: %s\n", qtext(QT_BATCH_REFUSED).c_str());
    return false;
}

// The audit so far; false (having said why) when it cannot be used.
bool load_audit(const cards_options& o, audit_read* audit) {
    if (o.audit.empty()) {
        if (o.resume)
            std::fprintf(stderr, "quenby cards: %s\n", qtext(QT_RESUME_NEEDS_AUDIT).c_str());
        return !o.resume;
    }
    std::string error;
    if (!read_audit_file(o.audit, audit, &error)) {
        std::fprintf(stderr, "quenby cards: %s: %s\n", o.audit.c_str(), error.c_str());
        return false;
    }
    if (!audit->entries.empty() && !o.resume) {
        const std::size_t cards = cards_of(audit->entries);
        std::fprintf(stderr, "quenby cards: %s\n",
                     qtext(cards == 1 ? QT_AUDIT_HOLDS_ONE : QT_AUDIT_HOLDS,
                           {o.audit, std::to_string(cards)})
                         .c_str());
        return false;
    }
    for (const cut_line& cut : audit->cut)
        say(o,
            qtext(cut.named ? QT_CUT_NAMED : QT_CUT_UNNAMED, {o.audit, std::to_string(cut.line)}));
    return true;
}

} // namespace

int cards_check_job(const cards_options& o) {
    std::vector<batch_row> rows;
    audit_read earlier;
    if (!load_batch(o.batch, &rows) || !load_audit(o, &earlier))
        return 2;
    std::printf("%s\n", qtext(rows.size() == 1 ? QT_BATCH_PASSES_ONE : QT_BATCH_PASSES,
                              {o.batch, std::to_string(rows.size())})
                            .c_str());
    return 0;
}

int cards_issue_job(const listed_port& port, const cards_options& o) {
    std::vector<batch_row> rows;
    audit_read earlier;
    if (!load_batch(o.batch, &rows) || !load_audit(o, &earlier))
        return 2;
    audit_file audit;
    if (!o.audit.empty()) {
        std::string why;
        if (!audit.open(o.audit, k_audit_header, earlier.last_cut ? k_cut_mark : "", &why)) {
            std::fprintf(stderr, "quenby cards: %s\n",
                         qtext(QT_CANNOT_WRITE_WHY, {o.audit, why}).c_str());
            return 2;
        }
    }
    // Quiet: the batch says everything in its own words. The reader settles
    // around the open.
    device_link reader(companion_profile(k_tandor_profile, true));
    const serial_open_outcome opened = link_open_device(reader, port.device.c_str());
    if (opened.result != SERIAL_OPENED) {
        std::fprintf(stderr, "quenby cards: %s: %s\n", port.name.c_str(),
                     port_open_words(opened.result, lang_get()).c_str());
        return 1;
    }
    say(o, qtext(rows.size() == 1 ? QT_BATCH_START_ONE : QT_BATCH_START,
                 {port.name, std::to_string(rows.size()), o.batch}));
    issue_job job;
    job.rows = rows;
    job.earlier = earlier.entries;
    if (!o.audit.empty())
        job.audit = [&audit](const std::string& line, std::string* why) {
            return audit.append(line, why);
        };
    job.out = &std::cout;
    job.json = o.json;
    job.link = &reader;
    job.give_up_ms = o.wait_seconds * 1000;
    g_stop_asked = 0;
    std::signal(SIGINT, on_interrupt);
    job.stop_asked = [] { return g_stop_asked != 0; };
    const int status = issue_cards(job);
    std::signal(SIGINT, SIG_DFL);
    (void)link_close(reader);
    return status;
}
