#pragma once
// The control commands of the station simulator.
//
//   set KEY=VALUE...             language=XX count=1|2C|2A socket1=BLOCK socket2=BLOCK
//   config                       the configuration and the clock as last set
//   fault silence [xN]           no answer to the next queries (or the next N)
//   fault ignore-sets            set commands are taken but not applied (queries answer
//                                what the station held)
//   fault silent-after-closing   once a closing command came, no query is answered
//   fault answer QUERY TEXT [xN] answer TEXT (CR added) to QUERY (L, N, P1, P2);
//                                "\r", "\n", "\xHH" in TEXT stand for those bytes
//   fault none                   answer normally again
//   and the common commands (common_control.h)

#include "common_control.h"
#include "station_model.h"

struct station_sim_state : sim_common {
    station_model station;
};

std::string station_control(station_sim_state& s, const std::vector<std::string>& words,
                            std::vector<std::string>* out);
