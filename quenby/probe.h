#pragma once
// Asks a port which device is on it, changing nothing on any device: a
// charging station answers the language and count queries at its speed, a
// card reader the card-detect frame at its own.

#include <string>

// A card reader or a station only when it answered as one, whole and
// well-formed; an unknown device when something else came back.
enum class probe_found { card_reader, station, unknown_device, no_answer, not_opened };

struct probe_result {
    probe_found found = probe_found::no_answer;
    std::string
        detail; // "card 0A1B2C3D on it", "language FR, 2 sockets", "in use by another program"
    bool absent = false; // not_opened because no such port is there
};

probe_result probe_port(const std::string& device);

// "card reader  (card 0A1B2C3D on it)", "no answer", "in use by another program".
std::string probe_words(const probe_result& result);

// The settings key of the program that uses the device found (the card
// writers' or velmor's), or nullptr when nothing was found.
const char* settings_key_of(probe_found found);
