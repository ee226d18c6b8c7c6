#include "station_config.h"

#include "text_number.h"
#include "velmor_texts.h"

#include <cstdio>
#include <cstring>

namespace {
const option_entry k_languages[] = {
    {"IT", VT_LANG_IT}, {"IN", VT_LANG_IN}, {"SP", VT_LANG_SP}, {"FR", VT_LANG_FR}};
const option_entry k_modes[] = {{"C", VT_MODE_SIMULTANEOUS}, {"A", VT_MODE_ALTERNATE}};
const option_entry k_types[] = {{"1", VT_TYPE_1},
                                {"2", VT_TYPE_2},
                                {"3", VT_TYPE_3A},
                                {"4", VT_TYPE_3C},
                                {"5", VT_TYPE_DOMESTIC}};
const option_entry k_locks[] = {{"0", VT_LOCK_NONE}, {"1", VT_LOCK_ONE}, {"2", VT_LOCK_TWO}};
const option_entry k_contactors[] = {
    {"0", VT_CONTACTOR_NONE}, {"1", VT_CONTACTOR_COIMP}, {"2", VT_CONTACTOR_MIRROR}};
const option_entry k_meters[] = {
    {"N", VT_METER_NONE}, {"T", VT_METER_CT}, {"I", VT_METER_PULSE}, {"D", VT_METER_DIGITAL}};

template <std::size_t N> constexpr int count_of(const option_entry (&)[N]) noexcept {
    return static_cast<int>(N);
}

// The entry of a one-character code, or LIST_UNSET when the list has none.
int index_of(const option_list& list, std::uint8_t code) {
    for (int i = 0; i < list.count; ++i)
        if (list.entries[i].code[0] == static_cast<char>(code) && list.entries[i].code[1] == '\0')
            return i;
    return LIST_UNSET;
}

// The code of a list entry, or `unset` when none is chosen.
const char* code_of(const option_list& list, int index, const char* unset) {
    return index >= 0 && index < list.count ? list.entries[index].code : unset;
}
} // namespace

const option_list k_station_languages = {k_languages, count_of(k_languages)};
const option_list k_operating_modes = {k_modes, count_of(k_modes)};
const option_list k_socket_types = {k_types, count_of(k_types)};
const option_list k_locking_types = {k_locks, count_of(k_locks)};
const option_list k_contactor_controls = {k_contactors, count_of(k_contactors)};
const option_list k_meter_types = {k_meters, count_of(k_meters)};

std::uint8_t bcd_byte(int n) {
    int m = ((n % 256 + 256) % 256) % 100;
    return static_cast<std::uint8_t>((m / 10) * 16 + m % 10);
}

bool read_current(const std::string& text, int* value) {
    long long v = 0;
    if (!whole_number(text.c_str(), false, &v))
        return false;
    // Far outside any range already when it does not fit.
    *value = static_cast<int>(v > 1000000 ? 1000000 : v);
    return true;
}

std::string encode_socket_block(const socket_config& s) {
    int type = s.socket_type;
    bool typed = type >= 0 && type < k_socket_types.count;
    int imax = 0, imaxs = 0;
    read_current(s.imax_m3, &imax);
    read_current(s.imax_m3s, &imaxs);
    std::string block;
    block += code_of(k_socket_types, type, "2");
    block += code_of(k_locking_types, s.locking_type, "0");
    block += code_of(k_contactor_controls, s.contactor_control, "0");
    block += 'S';
    block += (typed && type != TYPE_3A && type != TYPE_DOMESTIC) ? 'S' : 'N';
    block += code_of(k_meter_types, s.meter_type, "N");
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02d", (imax % 100 + 100) % 100);
    block += digits;
    std::snprintf(digits, sizeof digits, "%02d", (imaxs % 100 + 100) % 100);
    block += digits;
    return block;
}

const char* encode_station_language(int index) {
    return code_of(k_station_languages, index, "IT");
}

const char* encode_socket_count(bool two_sockets, int operating_mode) {
    if (!two_sockets)
        return "1";
    return operating_mode == MODE_SIMULTANEOUS ? "2C" : "2A";
}

int station_language_of(char first, char second) {
    for (int i = 0; i < k_station_languages.count; ++i) {
        const char* code = k_station_languages.entries[i].code;
        if (code[0] == first && code[1] == second)
            return i;
    }
    return LIST_UNSET;
}

bool read_language_answer(const std::uint8_t* a, std::size_t count, int* index) {
    if (count < 4 || a[0] != 'L' || a[1] != '=')
        return false;
    *index = station_language_of(static_cast<char>(a[2]), static_cast<char>(a[3]));
    return true;
}

bool read_count_answer(const std::uint8_t* a, std::size_t count, unsigned long* value) {
    char text[32] = {};
    if (count > 0)
        std::memcpy(text, a, count < sizeof text - 1 ? count : sizeof text - 1);
    // At most 8 hex digits: the number fits 32 bits on every platform.
    // Width-limited conversions cannot overflow; the formats are binding.
    // NOLINTNEXTLINE(cert-err34-c)
    return std::sscanf(text, "N=%8lx", value) == 1;
}

bool read_socket_count(const std::uint8_t* answer, std::size_t count, bool* two_sockets,
                       int* operating_mode) {
    unsigned long value = 0;
    if (!read_count_answer(answer, count, &value) || (value != 1 && value != 0x2A && value != 0x2C))
        return false;
    *two_sockets = value != 1;
    *operating_mode = value == 0x2A ? MODE_ALTERNATE : MODE_SIMULTANEOUS;
    return true;
}

socket_reply decode_socket_reply(const std::uint8_t* a, std::size_t count, char digit,
                                 socket_config* s) {
    if (count < SOCKET_ANSWER_SIZE || a[0] != 'P' || a[1] != static_cast<std::uint8_t>(digit))
        return SOCKET_REPLY_REFUSED;
    // A code no list holds leaves its list with no entry chosen: never sent
    // back as another option.
    s->socket_type = index_of(k_socket_types, a[SOCKET_ANSWER_TYPE_AT]);
    s->locking_type = index_of(k_locking_types, a[SOCKET_ANSWER_LOCKING_AT]);
    s->contactor_control = index_of(k_contactor_controls, a[SOCKET_ANSWER_CONTACTOR_AT]);
    s->meter_type = index_of(k_meter_types, a[SOCKET_ANSWER_METER_AT]);
    // The two currents: two fields of two decimal digits each, read whole.
    // A field that is not its digits ("1X", "6X") leaves both empty, so that
    // the form's rules ask for them before a Write sends anything.
    int imax = 0;
    int imax_s = 0;
    if (!two_digits(reinterpret_cast<const char*>(a) + SOCKET_ANSWER_IMAX_AT, &imax) ||
        !two_digits(reinterpret_cast<const char*>(a) + SOCKET_ANSWER_IMAXS_AT, &imax_s)) {
        s->imax_m3.clear();
        s->imax_m3s.clear();
        return SOCKET_REPLY_BAD_CURRENTS;
    }
    s->imax_m3 = std::to_string(imax);
    s->imax_m3s = std::to_string(imax_s);
    return SOCKET_REPLY_OK;
}
