#pragma once
// Asks a port which device is on it, changing nothing on any device: a
// charging station answers the language and count queries at its speed, a
// card reader the card-detect frame at its own.

#include "port.h"
#include "port_list.h"

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

// A card reader or a station only when it answered as one, whole and
// well-formed; an unknown device when something else came back.
enum class probe_found { card_reader, station, unknown_device, no_answer, not_opened };

struct probe_result {
    probe_found found = probe_found::no_answer;
    std::string uid;                           // a reader's card; "" for none on it
    bool nak = false;                          // a reader that answered NAK
    std::string language;                      // a station's language code ("FR"); "" unsaid
    int sockets = 0;                           // a station's 1 or 2; 0 unsaid
    serial_open_result opened = SERIAL_OPENED; // why a port was not opened
    // not_opened because no such port is there
    bool absent() const { return found == probe_found::not_opened && opened == SERIAL_NOT_PRESENT; }
};

// One port, on links of its own (so that every port can be asked at once),
// each waiting as long as its device needs: a silent line costs about 0.6 s.
probe_result probe_port(const std::string& device);

// Every port at once, one thread each; the results in the order given.
std::vector<probe_result> probe_ports(const std::vector<std::string>& devices);

// What was said on the port in language `lang`: "card 0A1B2C3D on it",
// "language FR, 2 sockets", "in use by another program"; "" for nothing.
std::string probe_detail(const probe_result& result, int lang);

// Its line in the companion's language: "card reader  (card 0A1B2C3D on
// it)", "no answer", "in use by another program".
std::string probe_words(const probe_result& result);

// What was found, as a script reads it: "card reader", "charging station",
// "unknown device", "no answer", "not opened".
const char* probe_kind(probe_found found);

// What --use did with a port's device.
enum class port_stored {
    not_asked,   // no --use, or nothing found on the port
    stored,      // its "Port" stored for the program that uses it
    failed,      // the store refused it
    nothing,     // nothing to store it for
    two_found,   // a second device of its kind found: the technician chooses
    no_registry, // Linux: the programs' settings are in the Windows registry
};

// The settings key of the program that uses the device found (the card
// writers' or velmor's), or nullptr when nothing was found.
const char* settings_key_of(probe_found found);

// What --use did, in language `lang`: "stored as the Port of
// Software\Tandor", "not stored"; "" for not_asked.
std::string stored_words(port_stored stored, probe_found found, int lang);

// One port as a script reads it (ports --json), in English whatever the
// language: "port", "device", "name" and "maker" (the system's words, ""
// where it has none), then with a probe `found` "kind" (probe_kind) and
// "found" (what it said, or why it did not open), without one "present";
// "stored" when --use did something with it.
nlohmann::json port_json(const listed_port& p, const probe_result* found, bool present,
                         port_stored stored = port_stored::not_asked);
