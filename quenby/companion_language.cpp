#include "companion_language.h"

#include "language.h"
#include "profile_tandor.h"
#include "profile_velmor.h"

#include <cctype>
#include <cstring>

namespace {
std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}
} // namespace

int language_of_code(const std::string& code) {
    static const char* const codes[LANGUAGE_COUNT] = {"it", "en", "es", "fr"};
    const std::string c = lower(code);
    for (int i = 0; i < LANGUAGE_COUNT; ++i)
        if (c == codes[i])
            return i;
    return -1;
}

int language_of_locale(const std::string& locale) {
    // language[_territory][.codeset][@modifier]
    const std::size_t end = locale.find_first_of("_.@");
    return language_of_code(locale.substr(0, end));
}

std::string messages_locale_of(const std::function<const char*(const char*)>& env) {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = env(name);
        if (value && *value)
            return value;
    }
    return "";
}

int companion_language(const language_sources& from) {
    const int option = language_of_code(from.option);
    if (option >= 0)
        return option;
    if (from.stored >= 0 && from.stored < LANGUAGE_COUNT)
        return from.stored;
    const int locale = language_of_locale(from.locale);
    return locale >= 0 ? locale : LANGUAGE_ENGLISH;
}

early_words read_early(int argc, const char* const* argv) {
    early_words w;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (std::strcmp(a, "--lang") == 0) {
            if (i + 1 < argc)
                w.lang = argv[++i];
        } else if (std::strncmp(a, "--lang=", 7) == 0) {
            w.lang = a + 7;
        } else if (a[0] != '-' && w.command.empty()) {
            w.command = a;
        }
    }
    return w;
}

std::vector<const char*> settings_keys_of_command(const std::string& command) {
    if (command == "station")
        return {k_velmor_profile.settings_key};
    if (command == "cards")
        return {k_tandor_profile.settings_key};
    return {k_velmor_profile.settings_key, k_tandor_profile.settings_key};
}

int agreed_language(const std::vector<int>& stored) {
    int agreed = -1;
    for (const int lang : stored) {
        if (lang < 0)
            continue;
        if (agreed >= 0 && lang != agreed)
            return -1;
        agreed = lang;
    }
    return agreed;
}
