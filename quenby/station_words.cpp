#include "station_words.h"

#include "language.h"
#include "station_config.h"
#include "text_number.h"
#include "velmor_texts.h"

#include <cstdio>

namespace {
// The English label of list entry `index`, or the code that no entry holds.
std::string label(const option_list& list, int index, char code, const char* what) {
    if (index == LIST_UNSET || index < 0 || index >= list.count)
        return std::string(what) + " code " + code + " (no option holds it)";
    return vtext_in(list.entries[index].label_row, LANGUAGE_ENGLISH);
}

std::string text_without_cr(const std::vector<std::uint8_t>& bytes) {
    std::string s(bytes.begin(), bytes.end());
    while (!s.empty() && (s.back() == '\r' || s.back() == '\n'))
        s.pop_back();
    return s;
}

std::string count_words(bool two_sockets, int mode) {
    if (!two_sockets)
        return "1 socket";
    return mode == MODE_ALTERNATE ? "2 sockets, alternate" : "2 sockets, simultaneous";
}

// A BCD byte's number, or -1 when a digit of it is no decimal digit.
int bcd(char c) {
    const auto v = static_cast<unsigned char>(c);
    return (v >> 4) > 9 || (v & 0x0F) > 9 ? -1 : (v >> 4) * 10 + (v & 0x0F);
}

// The three BCD fields after the command letter, "yy/mm/dd" or "hh:mm:ss",
// with what is wrong with them when they are no date or time.
std::string three_fields(const std::string& s, char separator) {
    const int a = bcd(s[1]), b = bcd(s[2]), c = bcd(s[3]);
    char text[24];
    std::snprintf(text, sizeof text, "%02X%c%02X%c%02X", static_cast<unsigned char>(s[1]),
                  separator, static_cast<unsigned char>(s[2]), separator,
                  static_cast<unsigned char>(s[3]));
    if (a < 0 || b < 0 || c < 0)
        return std::string(text) + " (not BCD digits)";
    const bool date = separator == '/';
    const bool held = date ? day_exists(c, b, 2000 + a) : a < 24 && b < 60 && c < 60;
    return held ? text : std::string(text) + (date ? " (no such day)" : " (no such time)");
}
} // namespace

std::string socket_block_words(const std::string& block) {
    std::string answer = "P10" + block;
    socket_config s;
    const int taken = decode_socket_reply(reinterpret_cast<const std::uint8_t*>(answer.data()),
                                          answer.size(), '1', &s);
    if (taken == SOCKET_REPLY_REFUSED)
        return "a socket block too short (" + block + ")";
    std::string words = label(k_socket_types, s.socket_type, block[0], "socket type") + ", " +
                        label(k_locking_types, s.locking_type, block[1], "locking") + ", " +
                        label(k_contactor_controls, s.contactor_control, block[2], "contactor") +
                        ", " + label(k_meter_types, s.meter_type, block[5], "meter");
    if (taken == SOCKET_REPLY_BAD_CURRENTS)
        return words + ", currents that do not read (" + block.substr(6) + ")";
    return words + ", " + s.imax_m3 + " A / " + s.imax_m3s + " A";
}

std::string station_command_words(const std::vector<std::uint8_t>& command) {
    const std::string s = text_without_cr(command);
    std::string words;
    if (s == "L")
        words = "ask the station language";
    else if (s == "N")
        words = "ask the socket count";
    else if (s == "P1" || s == "P2")
        words = std::string("ask socket ") + s[1];
    else if (s == "A00000000")
        words = "closing command: keep what was written";
    else if (s == "R")
        words = "reboot";
    else if (s.size() == 3 && s[0] == 'L')
        words = "set the station language to " + s.substr(1);
    else if (s == "N1" || s == "N2C" || s == "N2A")
        words = "set " + count_words(s != "N1", s == "N2A" ? MODE_ALTERNATE : MODE_SIMULTANEOUS);
    else if (s.size() == 12 && s[0] == 'P' && (s[1] == '1' || s[1] == '2'))
        words = std::string("set socket ") + s[1] + ": " + socket_block_words(s.substr(2));
    else if (s.size() == 4 && s[0] == 'D')
        words = "set the date to " + three_fields(s, '/') + " (yy/mm/dd)";
    else if (s.size() == 4 && s[0] == 'O')
        words = "set the time to " + three_fields(s, ':');
    else
        words = "a command the station does not know";
    if (command.empty() || command.back() != '\r')
        words += "; no CR at its end";
    return words;
}

std::string station_answer_words(const std::vector<std::uint8_t>& answer,
                                 const std::vector<std::uint8_t>& asked) {
    if (answer.empty())
        return "no reply within 2.6 s";
    const std::string query = text_without_cr(asked);
    const std::uint8_t* a = answer.data();
    int index = 0;
    bool two = false;
    int mode = 0;
    if (query == "L" && read_language_answer(a, answer.size(), &index))
        return "station language " + text_without_cr(answer).substr(2, 2) +
               (index == LIST_UNSET ? " (no option holds it)" : "");
    if (query == "N" && read_socket_count(a, answer.size(), &two, &mode))
        return count_words(two, mode);
    if ((query == "P1" || query == "P2") && answer.size() >= SOCKET_ANSWER_SIZE && a[0] == 'P' &&
        a[1] == static_cast<std::uint8_t>(query[1]))
        return std::string("socket ") + query[1] + ": " +
               socket_block_words(std::string(answer.begin() + SOCKET_ANSWER_BLOCK_AT,
                                              answer.begin() + SOCKET_ANSWER_SIZE));
    return "an answer that is not one to " + (query.empty() ? std::string("a query") : query);
}
