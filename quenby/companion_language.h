#pragma once
// The language the companion speaks: the one --lang names; else the one the
// program whose device the command uses has stored (its "Lang", Windows);
// else the environment's (LC_ALL, LC_MESSAGES or LANG, Linux); else
// English. Chosen before the command line is parsed, so that its help and
// its errors are in that language too.

#include <functional>
#include <string>
#include <vector>

// The index of "it", "en", "es" or "fr" (either case); -1 for anything else.
int language_of_code(const std::string& code);

// The index of a locale's language ("fr_FR.UTF-8", "it", "es_ES@euro");
// -1 for one the programs do not speak ("C", "POSIX", "de_DE", "").
int language_of_locale(const std::string& locale);

// The locale that decides the messages' language, as the C library reads
// the environment: the first of LC_ALL, LC_MESSAGES and LANG that is set and
// not empty; "" when none is. `env` reads a variable (nullptr when unset).
std::string messages_locale_of(const std::function<const char*(const char*)>& env);

struct language_sources {
    std::string option; // --lang's text, "" when not given
    int stored = -1;    // the program's stored "Lang" as it reads it, -1 when none is stored
    std::string locale; // the environment's locale, "" for none
};

// The language chosen from its sources, in that order; English when none
// names one. A --lang that names none is refused by the command line.
int companion_language(const language_sources& from);

// What the command line says before it is parsed: --lang's text and the
// command named (its first word that is neither an option nor --lang's value).
struct early_words {
    std::string lang;
    std::string command;
};
early_words read_early(int argc, const char* const* argv);

// The settings keys of the programs whose devices the command uses: velmor's
// for "station", the card writers' for "cards"; both for the others (the
// ports, the programs' trace and its record are every program's).
std::vector<const char*> settings_keys_of_command(const std::string& command);

// The language the programs stored alike (-1 for one that stored none): -1
// when none stored one, or two stored different ones.
int agreed_language(const std::vector<int>& stored);
