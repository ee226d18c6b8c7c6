#pragma once
// The configuration of a charging station as the setup form shows it, its
// option lists, and the bytes in which each field travels to the station and
// back.

#include <cstddef>
#include <cstdint>
#include <string>

enum { LIST_UNSET = -1 };

// One entry of an option list: its code on the wire and its label row.
struct option_entry {
    const char* code;
    int label_row;
};

struct option_list {
    const option_entry* entries;
    int count;
};

extern const option_list k_station_languages;  // IT IN SP FR
extern const option_list k_operating_modes;    // C A
extern const option_list k_socket_types;       // 1 2 3 4 5 (Type 1, 2, 3A, 3C, Domestic)
extern const option_list k_locking_types;      // 0 1 2
extern const option_list k_contactor_controls; // 0 1 2 (none, COIMP, mirror Contact)
extern const option_list k_meter_types;        // N T I D

enum { TYPE_1 = 0, TYPE_2 = 1, TYPE_3A = 2, TYPE_3C = 3, TYPE_DOMESTIC = 4 };
enum { LOCK_NONE = 0, LOCK_ONE = 1, LOCK_TWO = 2 };
enum { CONTACTOR_NONE = 0, CONTACTOR_COIMP = 1, CONTACTOR_MIRROR = 2 };
enum { METER_NONE = 0, METER_CT = 1, METER_PULSE = 2, METER_DIGITAL = 3 };
enum { MODE_SIMULTANEOUS = 0, MODE_ALTERNATE = 1 };

struct socket_config {
    int socket_type = 0; // list indexes, or LIST_UNSET
    int locking_type = 0;
    int contactor_control = 0;
    int meter_type = 0;
    std::string imax_m3; // texts as typed
    std::string imax_m3s;
};

struct station_config {
    std::string date; // "dd/mm/yyyy" or empty
    std::string time; // "hh:mm:ss" or empty
    int station_language = 0;
    bool two_sockets = true;
    int operating_mode = 0;
    socket_config sockets[2];
};

// Two-digit packed decimal of (n mod 256) mod 100.
std::uint8_t bcd_byte(int n);

// A current: the whole text one decimal number, digits only ("6O", "1 6",
// "16A" and " 16" are none). True when it is one.
bool read_current(const std::string& text, int* value);

// The 10-byte socket block: type, locking, contactor, 'S', type flag, meter,
// I max M3 and I max M3-S as two digits each. The currents must have passed
// the checks.
std::string encode_socket_block(const socket_config& socket);

// The 2-letter station language code ("IT" for an unset list).
const char* encode_station_language(int index);

// "1", "2C" or "2A".
const char* encode_socket_count(bool two_sockets, int operating_mode);

// The station language index of the two characters of a language answer,
// LIST_UNSET for a pair the list does not hold.
int station_language_of(char first, char second);

// Reads a language answer "L=" and two characters. True when it has that form
// (*index set from the pair, LIST_UNSET for an unknown one).
bool read_language_answer(const std::uint8_t* answer, std::size_t count, int* index);

// Reads a count answer "N=" and a hex number; true with *value when it has
// that form.
bool read_count_answer(const std::uint8_t* answer, std::size_t count, unsigned long* value);

// Reads a count answer as the station means it: "N=1" one socket, "N=2C"
// two at once, "N=2A" two in turn. True with both set when it is one of
// those.
bool read_socket_count(const std::uint8_t* answer, std::size_t count, bool* two_sockets,
                       int* operating_mode);

// Where the fields of a socket answer sit: "P", the digit, "=", then the
// socket block (type, locking, contactor, 'S', type flag, meter, and the two
// currents of two digits each): 13 bytes in all.
enum {
    SOCKET_ANSWER_BLOCK_AT = 3,
    SOCKET_ANSWER_TYPE_AT = 3,
    SOCKET_ANSWER_LOCKING_AT = 4,
    SOCKET_ANSWER_CONTACTOR_AT = 5,
    SOCKET_ANSWER_METER_AT = 8,
    SOCKET_ANSWER_IMAX_AT = 9,
    SOCKET_ANSWER_IMAXS_AT = 11,
    SOCKET_ANSWER_SIZE = 13,
};

// Results of decode_socket_reply.
enum socket_reply {
    SOCKET_REPLY_REFUSED = 0,     // not "P" and the digit: nothing changed
    SOCKET_REPLY_OK = 1,          // every field taken
    SOCKET_REPLY_BAD_CURRENTS = 2 // lists taken, the currents not 2 + 2 digits: left empty
};

// Decodes the answer to a socket query for socket `digit` ('1' or '2') into
// socket; a code that no list holds gives LIST_UNSET. An answer shorter than
// the 13 bytes of a socket answer is refused.
socket_reply decode_socket_reply(const std::uint8_t* answer, std::size_t count, char digit,
                                 socket_config* socket);
