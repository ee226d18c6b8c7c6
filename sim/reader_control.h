#pragma once
// The control commands of the card reader simulator.
//
//   place UID [BLOCK=HEX32 ...]   lay a fresh card, with some blocks filled
//   swap UID [BLOCK=HEX32 ...] after=CMD [xN]
//                                 swap the card for a fresh one right after the reply to the
//                                 next (N-th) CMD frame, with no empty detect between
//   card NAME                     lay a ready-made card: blank, user, master, invalid, classic
//   key SECTOR HEX12              set key A of a sector of the card on the reader
//   unreadable N                  reads of block N of the card on the reader fail (status 03)
//   remove                        take the card away
//   dump                          the 64 blocks of the card, "NN HEX32" each
//   block N                       one block, "HEX32"
//   fault KIND [ARG] [xN] [on=CMD] silence | cut N | split N | trickle MS | nak |
//                                 status HEX | garbage HEX... | late MS (the reply sent MS
//                                 after the frame) | unstored (a write answered as done and
//                                 not made; on=1A unless told); xN: the next N replies
//                                 only; on=CMD: replies to that command only; skip=K:
//                                 after K replies that it lets through
//   fault none                    clear the fault
//   and the common commands (common_control.h)

#include "common_control.h"
#include "reader_model.h"

#include <string>
#include <vector>

struct reader_sim_state : sim_common {
    reader_model reader;
};

std::string reader_control(reader_sim_state& s, const std::vector<std::string>& words,
                           std::vector<std::string>* out);

bool parse_uid(const std::string& text, std::array<std::uint8_t, 4>* uid);
