// Any bytes as the station's answers, and any texts as the setup form's
// fields, through the answer readers and the configuration rules.
#include "config_check.h"
#include "station_config.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    int language = 0;
    read_language_answer(data, size, &language);
    if (language < LIST_UNSET || language > 3) // a list entry, or none for an unknown pair
        __builtin_trap();
    unsigned long count = 0;
    read_count_answer(data, size, &count);
    socket_config socket;
    int r =
        decode_socket_reply(data, size, size ? static_cast<char>(data[0] % 2 + '1') : '1', &socket);
    if (r == SOCKET_REPLY_OK && (socket.imax_m3.size() > 3 || socket.imax_m3s.size() > 3))
        __builtin_trap();
    // A socket read with a code no list holds is never written back.
    if (r == SOCKET_REPLY_OK) {
        station_config read;
        read.date = read.time = "";
        read.sockets[0] = socket;
        read.two_sockets = false;
        checked_datetime dt;
        check_failure failure;
        const bool unset = socket.socket_type == LIST_UNSET || socket.locking_type == LIST_UNSET ||
                           socket.contactor_control == LIST_UNSET ||
                           socket.meter_type == LIST_UNSET;
        if (unset && config_check(read, &dt, &failure))
            __builtin_trap();
    }

    // The input as the form's texts, split at line feeds.
    std::string text(reinterpret_cast<const char*>(data), size);
    std::string parts[4];
    std::size_t start = 0;
    for (auto& p : parts) {
        std::size_t end = text.find('\n', start);
        p = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? text.size() : end + 1;
    }
    station_config c;
    c.date = parts[0];
    c.time = parts[1];
    c.sockets[0].imax_m3 = parts[2];
    c.sockets[0].imax_m3s = parts[3];
    c.sockets[1] = c.sockets[0];
    checked_datetime dt;
    check_failure failure;
    if (config_check(c, &dt, &failure)) {
        // What passes encodes into a block of ten characters.
        if (encode_socket_block(c.sockets[0]).size() != 10)
            __builtin_trap();
    }
    return 0;
}
