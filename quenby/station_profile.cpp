#include "station_profile.h"

#include "companion_texts.h"
#include "language.h"
#include "velmor_texts.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <set>
#include <sstream>

namespace {
struct list_field {
    const char* name;
    const option_list* list;
    int socket_config::*member;
};
const list_field k_lists[] = {
    {"type", &k_socket_types, &socket_config::socket_type},
    {"locking", &k_locking_types, &socket_config::locking_type},
    {"contactor", &k_contactor_controls, &socket_config::contactor_control},
    {"meter", &k_meter_types, &socket_config::meter_type},
};

struct current_field {
    const char* name;
    std::string socket_config::*member;
};
const current_field k_currents[] = {{"imax", &socket_config::imax_m3},
                                    {"imax_s", &socket_config::imax_m3s}};

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string trimmed(const std::string& s) {
    const std::size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return "";
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::string label(const option_list& list, int index) {
    return vtext_in(list.entries[index].label_row, LANGUAGE_ENGLISH);
}

// The mode in lower case ("mode = simultaneous"), the lists as the form names
// them ("Type 3C").
std::string option_name(const option_list& list, int index) {
    if (index < 0 || index >= list.count)
        return "?";
    return &list == &k_operating_modes ? lower(label(list, index)) : label(list, index);
}

// The entry whose English name is `value` (either case), or LIST_UNSET.
int option_named(const option_list& list, const std::string& value) {
    for (int i = 0; i < list.count; ++i)
        if (lower(label(list, i)) == lower(value))
            return i;
    return LIST_UNSET;
}

std::string option_names(const option_list& list) {
    std::string names;
    for (int i = 0; i < list.count; ++i)
        names += (i ? ", " : "") + option_name(list, i);
    return names;
}

std::string socket_key(int n, const char* field) {
    return "socket" + std::to_string(n + 1) + "." + field;
}

// Every key, in the profile's order; socket 2's and the mode are needed only
// with two sockets.
std::vector<std::string> all_keys() {
    std::vector<std::string> keys = {"language", "sockets", "mode"};
    for (int n = 0; n < 2; ++n) {
        for (const list_field& f : k_lists)
            keys.push_back(socket_key(n, f.name));
        for (const current_field& f : k_currents)
            keys.push_back(socket_key(n, f.name));
    }
    return keys;
}

bool needed_with_two_only(const std::string& key) {
    return key == "mode" || key.rfind("socket2.", 0) == 0;
}

// Takes `value` for `key` into c; the error text when it has no meaning.
std::string take_value(const std::string& key, const std::string& value, station_config* c) {
    // A value the profile was written with for a code no option holds
    // ("?9") is never read as an option: the technician chooses one.
    const auto refused = [&](const std::string& expected) {
        return qtext(value[0] == '?' ? QT_STATION_CODE : QT_IS_NOT, {key, value, expected});
    };
    if (key == "language") {
        c->station_language = option_named(k_station_languages, value);
        return c->station_language == LIST_UNSET
                   ? refused(qtext(QT_ONE_OF, {option_names(k_station_languages)}))
                   : "";
    }
    if (key == "sockets") {
        if (value != "1" && value != "2")
            return refused(qtext(QT_ONE_OR_TWO));
        c->two_sockets = value == "2";
        return "";
    }
    if (key == "mode") {
        c->operating_mode = option_named(k_operating_modes, value);
        return c->operating_mode == LIST_UNSET ? refused(option_names(k_operating_modes)) : "";
    }
    socket_config& s = c->sockets[key[6] - '1'];
    const std::string field = key.substr(8);
    for (const list_field& f : k_lists)
        if (field == f.name) {
            s.*f.member = option_named(*f.list, value);
            return s.*f.member == LIST_UNSET ? refused(qtext(QT_ONE_OF, {option_names(*f.list)}))
                                             : "";
        }
    int current = 0;
    if (!read_current(value, &current))
        return refused(qtext(QT_WHOLE_NUMBER));
    s.*(field == "imax" ? &socket_config::imax_m3 : &socket_config::imax_m3s) = value;
    return "";
}

// One line: nothing (blank or comment), or a key and its value. A value
// refused for a key needed with two sockets only goes to *two_only: a
// one-socket profile does not need it.
void read_line(const std::string& raw, int line, const std::set<std::string>& keys,
               station_profile* p, std::vector<profile_error>* errors,
               std::vector<profile_error>* two_only) {
    const std::string text = trimmed(raw.substr(0, raw.find('#')));
    if (text.empty())
        return;
    const std::size_t eq = text.find('=');
    if (eq == std::string::npos) {
        errors->push_back({line, qtext(QT_NOT_KEY_VALUE, {text})});
        return;
    }
    const std::string key = trimmed(text.substr(0, eq));
    const std::string value = trimmed(text.substr(eq + 1));
    std::string error;
    if (!keys.count(key)) {
        error = qtext(QT_UNKNOWN_KEY, {key});
    } else if (p->lines.count(key)) {
        error = qtext(QT_GIVEN_TWICE, {key, std::to_string(p->lines[key])});
    } else {
        p->lines[key] = line; // given, even when its value is refused: not missing
        const std::string refusal =
            value.empty() ? qtext(QT_NO_VALUE, {key}) : take_value(key, value, &p->config);
        if (!refusal.empty() && needed_with_two_only(key))
            two_only->push_back({line, refusal});
        else
            error = refusal;
    }
    if (!error.empty())
        errors->push_back({line, error});
}

void append_utf8(unsigned code, std::string* out) {
    if (code < 0x80) {
        *out += static_cast<char>(code);
    } else if (code < 0x800) {
        *out += static_cast<char>(0xC0 | (code >> 6));
        *out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        *out += static_cast<char>(0xE0 | (code >> 12));
        *out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        *out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        *out += static_cast<char>(0xF0 | (code >> 18));
        *out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        *out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        *out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// UTF-16 (after its byte order mark) as UTF-8; a lone surrogate or an odd
// last byte as U+FFFD.
std::string from_utf16(const std::string& raw, bool big_endian) {
    std::string out;
    const auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(raw[i]);
        const auto b = static_cast<unsigned char>(raw[i + 1]);
        return big_endian ? (a << 8) | b : (b << 8) | a;
    };
    for (std::size_t i = 2; i < raw.size(); i += 2) {
        if (i + 1 >= raw.size()) {
            append_utf8(0xFFFD, &out);
            break;
        }
        unsigned code = static_cast<unsigned>(unit(i));
        if (code >= 0xD800 && code < 0xDC00 && i + 3 < raw.size()) {
            const auto low = static_cast<unsigned>(unit(i + 2));
            if (low >= 0xDC00 && low < 0xE000) {
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        append_utf8(code >= 0xD800 && code < 0xE000 ? 0xFFFD : code, &out);
    }
    return out;
}

// A profile's text whatever its editor saved it as: UTF-8 with or without a
// byte order mark, or UTF-16 with one (Notepad's "Unicode", PowerShell).
std::string profile_text_of(std::istream& in) {
    std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (raw.rfind("\xEF\xBB\xBF", 0) == 0)
        return raw.substr(3);
    if (raw.rfind("\xFF\xFE", 0) == 0)
        return from_utf16(raw, false);
    if (raw.rfind("\xFE\xFF", 0) == 0)
        return from_utf16(raw, true);
    return raw;
}

bool refused_on(const std::vector<profile_error>& errors, int line) {
    for (const profile_error& e : errors)
        if (e.line == line)
            return true;
    return false;
}
} // namespace

std::vector<profile_entry> profile_entries(const station_config& c, const unknown_codes& unknown) {
    std::vector<profile_entry> entries = {
        {"language", option_name(k_station_languages, c.station_language)},
        {"sockets", c.two_sockets ? "2" : "1"},
        {"mode", option_name(k_operating_modes, c.operating_mode)}};
    for (int n = 0; n < 2; ++n) {
        const socket_config& s = c.sockets[n];
        for (const list_field& f : k_lists)
            entries.push_back({socket_key(n, f.name), option_name(*f.list, s.*f.member)});
        for (const current_field& f : k_currents)
            entries.push_back({socket_key(n, f.name), s.*f.member});
    }
    for (profile_entry& e : entries)
        if (const auto code = unknown.find(e.key); code != unknown.end())
            e = {e.key, "?" + code->second, true};
    return entries;
}

std::string profile_text(const station_config& c, const unknown_codes& unknown,
                         const std::string& header) {
    std::string text = "# " + header + "\n";
    bool noted = false;
    for (const profile_entry& e : profile_entries(c, unknown)) {
        // A one-socket station's socket 2 and mode: shown, not part of the
        // profile (a one-socket Write sends none of them).
        const bool aside = !c.two_sockets && needed_with_two_only(e.key);
        if (aside && !noted)
            text += "# with sockets = 1 the station uses neither mode nor socket 2; they hold:\n";
        noted |= aside;
        text += (aside ? "# " : "") + e.key + " = " + e.value;
        if (e.unknown)
            text += e.value == "?" ? "  # the station did not say"
                                   : "  # the station's code: no option of the form holds it";
        text += "\n";
    }
    return text;
}

bool read_profile(std::istream& in, station_profile* p, std::vector<profile_error>* errors) {
    *p = station_profile(); // no date or time: a profile carries none
    const std::vector<std::string> keys = all_keys();
    const std::set<std::string> known(keys.begin(), keys.end());
    errors->clear();
    std::vector<profile_error> two_only;
    std::istringstream text(profile_text_of(in));
    int line = 0;
    for (std::string raw; std::getline(text, raw);)
        read_line(raw, ++line, known, p, errors, &two_only);
    // Whether socket 2 is needed is known only when the socket count was read.
    const bool count_known = p->lines.count("sockets") && !refused_on(*errors, p->lines["sockets"]);
    if (!count_known || p->config.two_sockets) {
        errors->insert(errors->end(), two_only.begin(), two_only.end());
        std::stable_sort(
            errors->begin(), errors->end(),
            [](const profile_error& a, const profile_error& b) { return a.line < b.line; });
    }
    for (const std::string& key : keys) {
        if (p->lines.count(key) || (needed_with_two_only(key) && !p->config.two_sockets))
            continue;
        if (key != "sockets" && needed_with_two_only(key) && !count_known)
            continue;
        errors->push_back(
            {0, qtext(needed_with_two_only(key) ? QT_MISSING_WITH_TWO : QT_MISSING, {key})});
    }
    return errors->empty();
}

std::string key_of(const check_failure& f) {
    switch (f.field) {
    case check_field::date:
    case check_field::time:
        return "";
    case check_field::language:
        return "language";
    case check_field::socket_type:
        return socket_key(f.socket - 1, "type");
    case check_field::locking:
        return socket_key(f.socket - 1, "locking");
    case check_field::contactor:
        return socket_key(f.socket - 1, "contactor");
    case check_field::meter:
        return socket_key(f.socket - 1, "meter");
    case check_field::imax:
        return socket_key(f.socket - 1, "imax");
    case check_field::imax_s:
        break;
    }
    return socket_key(f.socket - 1, "imax_s");
}

std::vector<profile_difference> profile_differences(const station_config& profile,
                                                    const station_config& station,
                                                    const unknown_codes& unknown) {
    const std::vector<profile_entry> wanted = profile_entries(profile);
    const std::vector<profile_entry> held = profile_entries(station, unknown);
    std::vector<profile_difference> differences;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (needed_with_two_only(wanted[i].key) && !profile.two_sockets)
            continue;
        int a = 0, b = 0;
        const bool numbers = wanted[i].key.find(".imax") != std::string::npos &&
                             read_current(wanted[i].value, &a) && read_current(held[i].value, &b);
        if (numbers ? a != b : wanted[i].value != held[i].value || held[i].unknown)
            differences.push_back({wanted[i].key, wanted[i].value, held[i].value});
    }
    return differences;
}
