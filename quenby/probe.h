#pragma once
// Asks a port which device is on it, changing nothing on any device: a
// charging station answers the language and count queries at its speed, a
// card reader the card-detect frame at its own.

#include "port_list.h"

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

// A card reader or a station only when it answered as one, whole and
// well-formed; an unknown device when something else came back.
enum class probe_found { card_reader, station, unknown_device, no_answer, not_opened };

struct probe_result {
    probe_found found = probe_found::no_answer;
    std::string
        detail; // "card 0A1B2C3D on it", "language FR, 2 sockets", "in use by another program"
    bool absent = false; // not_opened because no such port is there
};

// One port, on links of its own (so that every port can be asked at once),
// each waiting as long as its device needs: a silent line costs about 0.6 s.
probe_result probe_port(const std::string& device);

// Every port at once, one thread each; the results in the order given.
std::vector<probe_result> probe_ports(const std::vector<std::string>& devices);

// "card reader  (card 0A1B2C3D on it)", "no answer", "in use by another program".
std::string probe_words(const probe_result& result);

// What was found, as a script reads it: "card reader", "charging station",
// "unknown device", "no answer", "not opened".
const char* probe_kind(probe_found found);

// One port as a script reads it (ports --json): "port", "device", "name"
// and "maker" (the system's words, "" where it has none), then with a probe
// `found` "kind" (probe_kind) and "found" (what it said, or why it did not
// open), without one "present"; "stored" when --use said something of it.
nlohmann::json port_json(const listed_port& p, const probe_result* found, bool present,
                         const std::string& said);

// The settings key of the program that uses the device found (the card
// writers' or velmor's), or nullptr when nothing was found.
const char* settings_key_of(probe_found found);
