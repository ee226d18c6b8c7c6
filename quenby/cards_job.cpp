#include "cards_job.h"

#include "card_issue.h"
#include "companion_link.h"
#include "port.h"
#include "profile.h"
#include "profile_tandor.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

namespace {
bool load_batch(const std::string& path, std::vector<batch_row>* rows) {
    std::ifstream file(path);
    if (!file) {
        std::fprintf(stderr, "quenby cards: cannot read %s\n", path.c_str());
        return false;
    }
    std::vector<batch_error> errors;
    if (read_batch(file, rows, &errors))
        return true;
    for (const batch_error& e : errors)
        std::fprintf(stderr, "%s:%d: %s\n", path.c_str(), e.line, e.text.c_str());
    std::fprintf(stderr, "quenby cards: the batch is refused; no card written\n");
    return false;
}

// The audit so far; false (having said why) when it cannot be used.
bool load_audit(const cards_options& o, std::vector<audit_entry>* entries) {
    if (o.audit.empty()) {
        if (o.resume)
            std::fprintf(stderr, "quenby cards: --resume needs the batch's --audit file\n");
        return !o.resume;
    }
    std::string error;
    if (!read_audit_file(o.audit, entries, &error)) {
        std::fprintf(stderr, "quenby cards: %s: %s\n", o.audit.c_str(), error.c_str());
        return false;
    }
    if (!entries->empty() && !o.resume) {
        std::fprintf(stderr,
                     "quenby cards: %s holds %s cards of a batch already: --resume goes on "
                     "with it, or give another audit file\n",
                     o.audit.c_str(), std::to_string(entries->size()).c_str());
        return false;
    }
    return true;
}
} // namespace

int cards_issue_job(const listed_port& port, const cards_options& o) {
    use_link_of(k_tandor_profile, true); // the reader settles around the open
    std::vector<batch_row> rows;
    std::vector<audit_entry> earlier;
    if (!load_batch(o.batch, &rows) || !load_audit(o, &earlier))
        return 2;
    std::ofstream audit;
    if (!o.audit.empty()) {
        const bool fresh = [&] {
            std::ifstream before(o.audit, std::ios::ate);
            return !before || before.tellg() == 0;
        }(); // closed again before the file is opened to append to
        audit.open(o.audit, std::ios::app);
        if (audit && fresh)
            audit << k_audit_header << std::endl;
        if (!audit) {
            std::fprintf(stderr, "quenby cards: cannot write %s\n", o.audit.c_str());
            return 2;
        }
    }
    const serial_open_outcome opened = port_open_device(port.device.c_str());
    if (opened.result != SERIAL_OPENED) {
        std::fprintf(stderr, "quenby cards: %s: %s\n", port.name.c_str(),
                     serial_open_text(opened.result));
        return 1;
    }
    std::printf("%s: %s cards from %s\n", port.name.c_str(), std::to_string(rows.size()).c_str(),
                o.batch.c_str());
    issue_job job;
    job.rows = rows;
    job.earlier = earlier;
    job.audit = o.audit.empty() ? nullptr : &audit;
    job.out = &std::cout;
    job.device = port.device;
    job.give_up_ms = o.wait_seconds * 1000;
    const int status = issue_cards(job);
    port_close();
    return status;
}
