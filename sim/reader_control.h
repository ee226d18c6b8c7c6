#pragma once
// The control commands of the card reader simulator.
//
//   place UID [BLOCK=HEX32 ...]   lay a fresh card, with some blocks filled
//   key SECTOR HEX12              set key A of a sector of the card on the reader
//   remove                        take the card away
//   dump                          the 64 blocks of the card, "NN HEX32" each
//   block N                       one block, "HEX32"
//   fault KIND [ARG] [xN]         silence | cut N | split N | trickle MS | nak |
//                                 status HEX | garbage HEX... ; xN: next N replies only
//   fault none                    clear the fault
//   line                          the line settings: "speed 19200 bits 8 parity none stop 1"
//   log / clear-log               the log lines so far / forget them
//   quit

#include "reader_model.h"
#include "sim_log.h"

#include <string>
#include <vector>

class pty_device;

struct reader_sim_state {
    reader_model reader;
    sim_log* log = nullptr;
    const class pty_device* pty = nullptr;
    bool quit = false;
};

std::string reader_control(reader_sim_state& s, const std::vector<std::string>& words,
                           std::vector<std::string>* out);

bool parse_uid(const std::string& text, std::array<std::uint8_t, 4>* uid);
