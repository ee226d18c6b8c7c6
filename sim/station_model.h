#pragma once
// The charging station as a device on the serial line: unframed commands, a
// letter, data and CR; answers to the three queries; a configuration that
// the set commands change and the queries report.
//
//   D yy mm dd CR   set date (BCD)       L xx CR   set language     L CR   -> "L=xx" CR
//   O hh mm ss CR   set time (BCD)       N c CR    set socket count N CR   -> "N=" hex CR
//   P d block CR    set socket d         A 00000000 CR   closing    P d CR -> "P" d "0" block CR
//   R CR            reboot

#include "device_loop.h"

#include <array>
#include <map>
#include <set>
#include <string>

struct station_state {
    std::string language = "IT";
    std::string count = "2C"; // "1", "2C" or "2A"
    std::string sockets[2] = {"200SSN1610", "200SSN1610"};
    std::array<std::uint8_t, 3> date{}; // as last set: year, month, day (BCD)
    std::array<std::uint8_t, 3> time{}; // hour, minute, second (BCD)
    bool date_set = false;
    bool time_set = false;
    int closings = 0;
    int reboots = 0;
};

// An answer that replaces the station's own: for a query ("L", "N", "P1",
// "P2"), or silence for every query.
struct station_fault {
    bool silent = false;
    bool ignore_sets = false;                   // the set commands are taken and not applied
    bool silent_after_close = false;            // once a closing command came, no query is answered
    bool acknowledge_sets = false;              // "OK" after each set and closing command
    std::set<std::string> silent_on;            // these queries are never answered
    std::map<std::string, std::string> answers; // query -> answer bytes (CR added)
    int remaining = -1;                         // answers it applies to; -1 until cleared
};

class station_model {
  public:
    station_state& state() { return state_; }
    void set_fault(const station_fault& f) {
        fault_ = f;
        closed_ = false;
    }

    // Bytes from the line; answers to whatever complete commands they end.
    // `on_command` is told each command (without its CR).
    std::vector<reply_chunk> feed(const std::uint8_t* data, std::size_t count,
                                  const std::function<void(const bytes&)>& on_command);
    void reset_partial() { partial_.clear(); }

    // The answer to one command (without its CR); empty when it gets none.
    bytes execute(const bytes& command);

    // Sets a field: language=XX count=1|2C|2A socket1=BLOCK socket2=BLOCK.
    // Returns an error text, empty on success.
    std::string set(const std::string& assignment);

  private:
    bytes answer(const std::string& query, const std::string& own);
    bytes query(const std::string& command); // "L", "N", "P1", "P2"
    void apply(const std::string& command);  // a set command, the closing command, reboot
    station_state state_;
    station_fault fault_;
    bool closed_ = false; // a closing command came since the fault was set
    bytes partial_;
};
