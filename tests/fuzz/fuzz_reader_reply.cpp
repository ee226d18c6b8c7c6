// Any bytes as the reader's answer, through the link and the three reader
// commands.
#include "fake_device.h"
#include "profile_tandor.h"
#include "reader.h"
#include "reader_frame.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    profile_set(&k_tandor_profile);
    // The reply buffer as link_transact would leave it.
    std::uint8_t reply[LINK_REPLY_SIZE] = {};
    std::size_t n = size < 256 ? size : 256;
    reply[0] = static_cast<std::uint8_t>(n);
    std::memcpy(reply + 1, data, n);
    if (n >= 5) {
        reader_status(reply);
        char uid[READER_UID_CHARS + 1];
        reader_uid(reply, uid);
        char text[READER_BLOCK_CHARS + 1];
        if (reader_block_text(reply, text) && std::strlen(text) != READER_BLOCK_CHARS)
            __builtin_trap();
    }

    // The same bytes arriving from the line, split in two reads at the first
    // byte's value.
    fake::reset();
    device_link link(k_tandor_profile);
    fake::open(link);
    std::size_t cut = size ? data[0] % (size + 1) : 0;
    fake::script_read(fake::bytes(data, data + cut));
    fake::script_read(fake::bytes(data + cut, data + size));
    card_reader reader{};
    int status = 0;
    (void)card_detect(link, &reader, &status);
    fake::script_read(fake::bytes(data, data + size));
    char text[READER_BLOCK_CHARS + 1];
    (void)block_read(link, &reader, 4, text, &status);
    fake::script_read(fake::bytes(data, data + size));
    (void)block_write(link, &reader, 4, "00000000000000000000000000000000", &status);
    return 0;
}
