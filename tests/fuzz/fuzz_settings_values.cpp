// Any texts as the stored Port and Lang values: a program starts with a
// language it has and a port it can store again as it read it.
#include "fake_store.h"
#include "language.h"
#include "profile.h"
#include "profile_velmor.h"
#include "settings.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = text.find('\n');
    fake::reset_store();
    profile_set(&k_velmor_profile);
    device_link link(k_velmor_profile);
    auto& values = fake::store().keys[k_velmor_profile.settings_key];
    values["Port"] = text.substr(0, cut);
    values["Lang"] = cut == std::string::npos ? "" : text.substr(cut + 1);
    settings_set_port(0);
    settings_load(link);
    const int lang = lang_get();
    const int port = settings_port();
    if (lang < 0 || lang >= LANGUAGE_COUNT)
        __builtin_trap();
    settings_save(link);
    settings_set_port(0);
    settings_load(link);
    if (lang_get() != lang || settings_port() != port)
        __builtin_trap();
    return 0;
}
