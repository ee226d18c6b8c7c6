#include "reader_control.h"

#include <cstdio>
#include <cstdlib>

bool parse_uid(const std::string& text, std::array<std::uint8_t, 4>* uid) {
    bytes b;
    if (text.size() != 8 || !from_hex(text, &b) || b.size() != 4)
        return false;
    std::copy(b.begin(), b.end(), uid->begin());
    return true;
}

namespace {
std::string block_hex(const std::array<std::uint8_t, SIM_BLOCK_BYTES>& b) {
    std::string s = to_hex(bytes(b.begin(), b.end()));
    std::string out;
    for (char c : s)
        if (c != ' ')
            out += c;
    return out;
}

// A fault's trailing options: "xN" (the next N replies), "on=CMD" (replies
// to CMD only), "skip=K"; *n is left at the words before them.
std::string fault_options(const std::vector<std::string>& w, reader_fault* f, std::size_t* n) {
    *n = w.size();
    while (*n >= 3) {
        const std::string& last = w[*n - 1];
        if (last.size() > 1 && last[0] == 'x') {
            if (!parse_int(last.substr(1), 10, &f->remaining) || f->remaining < 1)
                return "bad count " + last;
        } else if (last.rfind("on=", 0) == 0 && last.size() == 5) {
            f->command = last.substr(3);
        } else if (last.rfind("skip=", 0) == 0) {
            if (!parse_int(last.substr(5), 10, &f->skip) || f->skip < 0)
                return "bad skip " + last;
        } else {
            break;
        }
        --*n;
    }
    return "";
}

std::string set_fault(reader_sim_state& s, const std::vector<std::string>& w) {
    reader_fault f;
    std::size_t n = 0;
    if (std::string error = fault_options(w, &f, &n); !error.empty())
        return error;
    const std::string kind = n > 1 ? w[1] : "";
    auto arg = [&](int base) { return n > 2 && parse_int(w[2], base, &f.arg); };
    if (kind == "none") {
        f = reader_fault();
    } else if (kind == "silence") {
        f.kind = reader_fault::silence;
    } else if (kind == "nak") {
        f.kind = reader_fault::nak;
    } else if (kind == "cut") {
        f.kind = reader_fault::cut;
        if (!arg(10) || f.arg < 0)
            return "cut needs a byte count";
    } else if (kind == "split") {
        f.kind = reader_fault::split;
        if (!arg(10) || f.arg < 0)
            return "split needs a byte count";
    } else if (kind == "trickle") {
        f.kind = reader_fault::trickle;
        if (!arg(10) || f.arg < 0)
            return "trickle needs a gap in ms";
    } else if (kind == "status") {
        f.kind = reader_fault::status;
        if (!arg(16) || f.arg < 0 || f.arg > 255)
            return "status needs a hex value 00 to FF";
    } else if (kind == "late") {
        f.kind = reader_fault::late;
        if (!arg(10) || f.arg < 0)
            return "late needs a delay in ms";
    } else if (kind == "unstored") {
        f.kind = reader_fault::unstored;
        if (f.command.empty())
            f.command = "1A";
    } else if (kind == "garbage") {
        f.kind = reader_fault::garbage;
        std::string hex;
        for (std::size_t i = 2; i < n; ++i)
            hex += w[i];
        if (!from_hex(hex, &f.data) || f.data.empty())
            return "garbage needs hex bytes";
    } else {
        return "unknown fault " + kind;
    }
    s.reader.set_fault(f);
    return "";
}
} // namespace

namespace {
using words = std::vector<std::string>;

// place UID [N=HEX32 ...] | swap UID [N=HEX32 ...] after=CMD [xN]
std::string place_card(reader_sim_state& s, const words& w) {
    const std::string& cmd = w[0];
    std::array<std::uint8_t, 4> uid;
    if (w.size() < 2 || !parse_uid(w[1], &uid))
        return cmd + " needs a UID of 8 hex digits";
    virtual_card card = virtual_card::fresh(uid);
    std::string after;
    int count = 1;
    for (std::size_t i = 2; i < w.size(); ++i) {
        if (cmd == "swap" && w[i].rfind("after=", 0) == 0 && w[i].size() == 8) {
            after = w[i].substr(6);
            continue;
        }
        if (cmd == "swap" && w[i].size() > 1 && w[i][0] == 'x') {
            if (!parse_int(w[i].substr(1), 10, &count) || count < 1)
                return "bad count " + w[i];
            continue;
        }
        std::size_t eq = w[i].find('=');
        int block = 0;
        bytes data;
        if (eq == std::string::npos || !parse_int(w[i].substr(0, eq), 10, &block) || block < 0 ||
            block >= SIM_BLOCKS || !from_hex(w[i].substr(eq + 1), &data) ||
            data.size() != SIM_BLOCK_BYTES)
            return "bad block " + w[i] + " (want N=32 hex digits)";
        std::copy(data.begin(), data.end(), card.blocks[block].begin());
    }
    if (cmd == "swap" && !after.empty())
        s.reader.swap_after(card, after, count);
    else
        s.reader.place(card);
    return "";
}

// Ready-made cards for trying the card writers by hand.
std::string ready_card(reader_sim_state& s, const words& w) {
    static const struct {
        const char* name;
        const char* uid;
        const char* block4;
        const char* block5;
    } k_cards[] = {
        {"blank", "0A1B2C3D", "00000000000000000000000000000000", nullptr},
        {"user", "1B2C3D4E", "C0FFEE42FFFFFFFFA514050319A5000F", nullptr},
        {"master", "2C3D4E5F", "507007305923013112184D4153544552", nullptr},
        {"invalid", "3D4E5F60", "0000000000000000000000000000000F", nullptr},
        {"classic", "4E5F6071", "01234567890315121400000000000000",
         "0F000000F0FFFFFF0F00000001FE01FE"},
    };
    for (const auto& c : k_cards) {
        if (w.size() != 2 || w[1] != c.name)
            continue;
        words place = {"place", c.uid, std::string("4=") + c.block4};
        if (c.block5)
            place.push_back(std::string("5=") + c.block5);
        return place_card(s, place);
    }
    return "card blank | user | master | invalid | classic";
}

std::string unreadable(reader_sim_state& s, const words& w) {
    int b = 0;
    if (w.size() != 2 || !parse_int(w[1], 10, &b) || b < 0 || b >= SIM_BLOCKS)
        return "unreadable needs a block number 0-63";
    if (!s.reader.card())
        return "no card on the reader";
    s.reader.card()->unreadable[b] = true;
    return "";
}

std::string set_key(reader_sim_state& s, const words& w) {
    int sector = 0;
    bytes key;
    if (w.size() != 3 || !parse_int(w[1], 10, &sector) || sector < 0 || sector > 15 ||
        !from_hex(w[2], &key) || key.size() != 6)
        return "key needs a sector 0-15 and 12 hex digits";
    if (!s.reader.card())
        return "no card on the reader";
    std::copy(key.begin(), key.end(), s.reader.card()->blocks[sector * 4 + 3].begin());
    return "";
}

// dump: every block, "NN HEX32"; block N: one.
std::string show_blocks(reader_sim_state& s, const words& w, words* out) {
    if (!s.reader.card())
        return "no card on the reader";
    const auto& blocks = s.reader.card()->blocks;
    if (w[0] == "block") {
        int b = 0;
        if (w.size() != 2 || !parse_int(w[1], 10, &b) || b < 0 || b >= SIM_BLOCKS)
            return "block needs a number 0-63";
        out->push_back(block_hex(blocks[b]));
        return "";
    }
    for (int b = 0; b < SIM_BLOCKS; ++b) {
        char num[4];
        std::snprintf(num, sizeof num, "%02d", b);
        out->push_back(std::string(num) + " " + block_hex(blocks[b]));
    }
    return "";
}
} // namespace

std::string reader_control(reader_sim_state& s, const std::vector<std::string>& w,
                           std::vector<std::string>* out) {
    std::string error;
    if (common_control(s, w, out, &error))
        return error;
    const std::string& cmd = w[0];
    if (cmd == "place" || cmd == "swap")
        return place_card(s, w);
    if (cmd == "card")
        return ready_card(s, w);
    if (cmd == "unreadable")
        return unreadable(s, w);
    if (cmd == "remove") {
        s.reader.remove();
        return "";
    }
    if (cmd == "key")
        return set_key(s, w);
    if (cmd == "dump" || cmd == "block")
        return show_blocks(s, w, out);
    if (cmd == "fault")
        return set_fault(s, w);
    return "unknown command " + cmd;
}
