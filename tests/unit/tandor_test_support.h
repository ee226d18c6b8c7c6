#pragma once
// A card writer on a fake reader: replies made like the reader's, and the
// state of the window after each tick.

#include "card_writer_ids.h"
#include "card_writer_texts.h"
#include "fake_device.h"
#include "fake_form.h"
#include "fake_store.h"
#include "language.h"
#include "port.h"
#include "profile_tandor.h"
#include "reader_frame.h"
#include "reader_presence.h"
#include "settings.h"
#include "tandor_state.h"

#include <gtest/gtest.h>

#include <string>

// A reply frame: SOH F F ACK, command, body, ETX, BCC, CR.
inline fake::bytes reader_reply(const std::string& cmd, const std::string& body,
                                std::uint8_t verdict = 0x06) {
    fake::bytes r = {0x01, 'F', 'F', verdict};
    r.insert(r.end(), cmd.begin(), cmd.end());
    r.insert(r.end(), body.begin(), body.end());
    r.push_back(0x03);
    r.push_back(link_bcc(r.data(), static_cast<int>(r.size())));
    r.push_back(0x0D);
    return r;
}

inline void reply(const char* cmd, const std::string& body) {
    fake::script_read(reader_reply(cmd, body));
}
inline void reply_card(const char* uid = "0A1B2C3D") {
    reply("18", std::string("0008") + uid);
}
inline void reply_no_card() {
    reply("18", "01000000000000");
}
inline void reply_block(const std::string& block) {
    reply("19", "00" + block);
}

// The read-back of a block write: the card holds the block of the last
// block write frame (its 32 hex digits after the 24-character head).
inline void reply_held() {
    fake::read_step step;
    step.ms = 10;
    step.make = [] {
        for (auto w = fake::dev().writes.rbegin(); w != fake::dev().writes.rend(); ++w)
            if ((*w)[4] == '1' && (*w)[5] == 'A')
                return reader_reply("19", "00" + std::string(w->begin() + 30, w->end() - 3));
        return reader_reply("19", "02");
    };
    fake::dev().reads.push_back(step);
}
// A block write the reader takes and the card holds.
inline void reply_write_held() {
    reply("1A", "00");
    reply_held();
}

const std::string k_blank(32, '0');
const std::string k_user = "0A1B2C3DFFFFFFFFA514050319A5000F";
const std::string k_master = "507007305923013112184D4153544552";

class CardWriter : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::reset();
        fake::reset_form();
        fake::reset_store();
        // The controls by the names the log and showing() give them, all hidden
        // as created.
        const char* const names[] = {"Write",  "USER",     "MASTER", "personal", "free",
                                     "delete", "uid",      "now",    "now2",     "reset",
                                     "code",   "accesses", "expiry", "datetime"};
        for (int c = TC_WRITE; c <= TC_DATETIME; ++c) {
            fake::control_names()[c] = names[c - TC_WRITE];
            fake::form()[c].shown = false;
        }
        fake::control_names()[IDM_MENU_ITALIAN] = "Italian";
        fake::control_names()[IDM_MENU_FRENCH] = fake::control_names()[IDD_COM_PORT_FRENCH] =
            "French";
        profile_set(&k_tandor_profile);
        lang_set(LANGUAGE_ENGLISH);
        s = tandor_state();
        use(k_tandor_profile);
    }
    // The program's link on `profile`, open on the fake reader.
    void use(const program_profile& profile) {
        boxes.told.clear();
        link = device_link(profile, &boxes);
        fake::open(link);
    }
    // The link's port is not open (the stored port did not open).
    void close_port() {
        link.port.handle = SERIAL_NONE;
        fake::dev().is_open = false;
    }
    // What the outcomes told were, in order.
    std::vector<result> told() const {
        std::vector<result> out;
        for (const outcome& o : boxes.told)
            out.push_back(o.what);
        return out;
    }
    void TearDown() override {
        fake::control_names().clear();
        lang_set(LANGUAGE_ITALIAN);
        profile_set(nullptr);
    }
    bool shown(int c) { return fake::form()[c].shown; }
    // The names of the controls shown, in the order of their ids.
    std::string showing() {
        std::string out;
        for (int c = TC_WRITE; c <= TC_DATETIME; ++c)
            if (shown(c))
                out += (out.empty() ? "" : " ") + fake::control_names()[c];
        return out;
    }
    void type_fields(const char* code, const char* accesses, const char* expiry) {
        fake::form()[TC_CODE].text = code;
        fake::form()[TC_ACCESSES].text = accesses;
        fake::form()[TC_EXPIRY].text = expiry;
    }
    std::string text(int c) { return fake::form()[c].text; }
    // The last block write sent, as its command code and payload.
    std::string last_write() {
        for (auto it = fake::dev().writes.rbegin(); it != fake::dev().writes.rend(); ++it)
            if ((*it)[4] == '1' && (*it)[5] == 'A')
                return std::string(it->begin() + 4, it->begin() + 6) +
                       std::string(it->begin() + 6, it->end() - 3);
        return "";
    }
    // The frames written to the reader, as their command codes and payloads.
    std::vector<std::string> sent() {
        std::vector<std::string> out;
        for (const auto& w : fake::dev().writes)
            out.push_back(std::string(w.begin() + 4, w.begin() + 6) +
                          std::string(w.begin() + 6, w.end() - 3));
        return out;
    }
    tandor_state s;
    fake::recording_teller boxes{localized};
    device_link link{k_tandor_profile, &boxes};
};
