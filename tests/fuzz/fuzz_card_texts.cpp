// Any text as a card block, and any form texts, through the block decoders,
// the checks and the encoders of both card layouts.
#include "card_layout.h"
#include "classic_layout.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);

    // The whole input as a block text (the decoders read 32 characters).
    std::string block = input.substr(0, input.find('\0'));
    bool user = false, master = false;
    classify_block(block.c_str(), &user, &master);
    user_form_texts texts;
    decode_user_block(block.c_str(), &texts);
    master_form_state form{};
    decode_master_block(block.c_str(), &form);
    classic_data cdata;
    classic_decode_data(block.c_str(), &cdata);
    char accesses[12];
    classic_decode_counter(block.c_str(), cdata.flags, accesses);

    // The input split at line feeds as form texts.
    std::string parts[3];
    std::size_t start = 0;
    for (int i = 0; i < 3; ++i) {
        std::size_t end = block.find('\n', start);
        parts[i] = block.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? block.size() : end + 1;
    }
    char out[CARD_BLOCK_CHARS + 1];
    if (encode_user_block(parts[0].c_str(), parts[1].c_str(), parts[2].c_str(), out) == 0) {
        // What is written must read back as it was typed.
        if (std::strlen(out) != CARD_BLOCK_CHARS || decode_user_block(out, &texts) != 0)
            __builtin_trap();
    }
    if (encode_master_block(1, 0, parts[0].c_str(), out) == 0 &&
        (std::strlen(out) != CARD_BLOCK_CHARS || decode_master_block(out, &form) != 0))
        __builtin_trap();
    char payload[CLASSIC_PAYLOAD_CHARS + 1];
    if (classic_encode_data("0A1B2C3D", parts[0].c_str(), parts[1].c_str(), parts[2].c_str(),
                            payload) == 0 &&
        std::strlen(payload) != CLASSIC_PAYLOAD_CHARS)
        __builtin_trap();
    if (classic_encode_counter("0A1B2C3D", parts[1].c_str(), payload) == 0 &&
        std::strlen(payload) != CLASSIC_PAYLOAD_CHARS)
        __builtin_trap();
    return 0;
}
