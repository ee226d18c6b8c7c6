#pragma once
// The charging station's commands and answers in words.

#include <cstdint>
#include <string>
#include <vector>

// "ask the station language", "set socket 1: Type 2, ...", "reboot".
std::string station_command_words(const std::vector<std::uint8_t>& command);

// "station language FR", "2 sockets, simultaneous", "socket 1: ...";
// `asked` is the command the answer should answer (its bytes).
std::string station_answer_words(const std::vector<std::uint8_t>& answer,
                                 const std::vector<std::uint8_t>& asked);

// A 10-character socket block in words: "Type 3C, 1 actuator, COIMP, CT
// meter, 32 A / 10 A".
std::string socket_block_words(const std::string& block);
