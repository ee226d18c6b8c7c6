#include "command_line.h"

#include "companion_language.h"
#include "companion_texts.h"
#include "program_info.h"

#include <algorithm>
#include <cstdio>

namespace {
// A number of seconds as a technician gives one: a whole number, 1 or more.
CLI::Validator whole_seconds() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            const bool digits = !text.empty() && text.size() <= 9 &&
                                text.find_first_not_of("0123456789") == std::string::npos;
            return digits && std::stoi(text) >= 1 ? "" : qtext(QT_WHOLE_SECONDS, {text});
        },
        "");
}

// One of a few words, said as the companion says it when it is none.
CLI::Validator one_of(std::function<bool(const std::string&)> taken, companion_text refusal) {
    return CLI::Validator(
        [taken, refusal](std::string& text) { return taken(text) ? "" : qtext(refusal, {text}); },
        "");
}

CLI::App* add_ports(CLI::App& app, command_line& c) {
    CLI::App* ports = app.add_subcommand("ports", qtext(QT_HELP_PORTS));
    ports->add_option("PORT", c.ports.names, qtext(QT_HELP_PORTS_PORT));
    CLI::Option* probe = ports->add_flag("--probe", c.ports.probe, qtext(QT_HELP_PROBE));
    ports->add_flag("--use", c.ports.use, qtext(QT_HELP_USE))->needs(probe);
    ports->add_flag("--json", c.ports.json, qtext(QT_HELP_PORTS_JSON));
    return ports;
}

CLI::App* add_log(CLI::App& app, command_line& c) {
    CLI::App* log = app.add_subcommand("log", qtext(QT_HELP_LOG));
    log->add_option("FILE", c.log_file, qtext(QT_HELP_LOG_FILE));
    log->add_option("--seconds", c.seconds, qtext(QT_HELP_SECONDS))
        ->check(whole_seconds())
        ->type_name("SECONDS");
    return log;
}

CLI::App* add_decode(CLI::App& app, command_line& c) {
    CLI::App* decode = app.add_subcommand("decode", qtext(QT_HELP_DECODE));
    decode->add_option("FILE", c.trace_file, qtext(QT_HELP_DECODE_FILE));
    decode->add_option("--layout", c.layout, qtext(QT_HELP_LAYOUT))
        ->check(one_of([](const std::string& s) { return s == "tandor" || s == "classic"; },
                       QT_NOT_A_LAYOUT))
        ->type_name("tandor|classic");
    return decode;
}

CLI::App* add_station(CLI::App& app, command_line& c) {
    CLI::App* station = app.add_subcommand("station", qtext(QT_HELP_STATION));
    station->require_subcommand(1);
    static const struct {
        const char* name;
        companion_text about;
    } jobs[] = {{"read", QT_HELP_STATION_READ},
                {"write", QT_HELP_STATION_WRITE},
                {"diff", QT_HELP_STATION_DIFF}};
    for (const auto& job : jobs) {
        CLI::App* sub = station->add_subcommand(job.name, qtext(job.about));
        sub->add_option("PORT", c.station_port, qtext(QT_HELP_STATION_PORT))->required();
        sub->add_option("FILE", c.profile_file, qtext(QT_HELP_PROFILE))->required();
        sub->callback([&c, &job] { c.station_job = job.name; });
        if (std::string(job.name) == "diff")
            sub->add_flag("--json", c.diff_json, qtext(QT_HELP_DIFF_JSON));
        if (std::string(job.name) == "write")
            sub->add_option("--record", c.write_record, qtext(QT_HELP_RECORD))->type_name("FILE");
    }
    CLI::App* check = station->add_subcommand("check", qtext(QT_HELP_STATION_CHECK));
    check->add_option("FILE", c.profile_file, qtext(QT_HELP_PROFILE))->required();
    check->callback([&c] { c.station_job = "check"; });
    return station;
}

CLI::App* add_cards(CLI::App& app, command_line& c) {
    CLI::App* cards = app.add_subcommand("cards", qtext(QT_HELP_CARDS));
    cards->require_subcommand(1);
    CLI::App* issue = cards->add_subcommand("issue", qtext(QT_HELP_CARDS_ISSUE));
    issue->add_option("PORT", c.cards_port, qtext(QT_HELP_READER_PORT))->required();
    issue->add_option("FILE", c.cards.batch, qtext(QT_HELP_BATCH))->required();
    CLI::Option* audit =
        issue->add_option("--audit", c.cards.audit, qtext(QT_HELP_AUDIT))->type_name("FILE");
    issue->add_flag("--resume", c.cards.resume, qtext(QT_HELP_RESUME))->needs(audit);
    issue->add_flag("--json", c.cards.json, qtext(QT_HELP_BATCH_JSON));
    issue->add_option("--wait", c.cards.wait_seconds, qtext(QT_HELP_WAIT))
        ->check(whole_seconds())
        ->type_name("SECONDS");
    CLI::App* check = cards->add_subcommand("check", qtext(QT_HELP_CARDS_CHECK));
    check->add_option("FILE", c.cards.batch, qtext(QT_HELP_BATCH))->required();
    CLI::Option* checked_audit =
        check->add_option("--audit", c.cards.audit, qtext(QT_HELP_CHECK_AUDIT))->type_name("FILE");
    check->add_flag("--resume", c.cards.resume, qtext(QT_HELP_CHECK_RESUME))->needs(checked_audit);
    check->callback([&c] { c.cards_check = true; });
    return cards;
}

// The words of the help's frame in the companion's language, for the
// commands made after it (they take their parent's).
void frame_help(CLI::App& app) {
    auto format = std::make_shared<CLI::Formatter>();
    const struct {
        const char* key;
        companion_text text;
    } labels[] = {{"Usage", QT_LABEL_USAGE},
                  {"OPTIONS", QT_LABEL_OPTIONS_WORD},
                  {"SUBCOMMAND", QT_LABEL_COMMAND_WORD},
                  {"SUBCOMMANDS", QT_LABEL_COMMAND_WORD},
                  {"Positionals", QT_LABEL_POSITIONALS},
                  {"REQUIRED", QT_LABEL_REQUIRED},
                  {"Needs", QT_LABEL_NEEDS},
                  {"Excludes", QT_LABEL_EXCLUDES}};
    for (const auto& l : labels)
        format->label(l.key, qtext(l.text));
    app.formatter(format);
    app.group(qtext(QT_LABEL_COMMANDS));
    app.option_defaults()->group(qtext(QT_LABEL_OPTIONS));
    app.set_help_flag("-h,--help", qtext(QT_HELP_HELP));
}

// Each command's help flag in the group of its options (a command makes its
// own before it takes its parent's group), and positional arguments shown by
// their names alone ("PORT", not "PORT TEXT").
void finish_help(CLI::App& app) {
    if (CLI::Option* help = app.get_help_ptr())
        help->group(qtext(QT_LABEL_OPTIONS));
    for (CLI::Option* o : app.get_options([](CLI::Option* o) { return o->get_positional(); }))
        o->type_name("");
    for (CLI::App* sub : app.get_subcommands([](CLI::App*) { return true; }))
        finish_help(*sub);
}

// The command the parser reached deepest.
const CLI::App* deepest(const CLI::App& app) {
    const CLI::App* at = &app;
    for (bool deeper = true; deeper;) {
        deeper = false;
        for (const CLI::App* sub : at->get_subcommands({}))
            if (sub->parsed()) {
                at = sub;
                deeper = true;
                break;
            }
    }
    return at;
}

// The parser's own words, in the companion's where it has them.
std::string error_words(const CLI::App& app, const CLI::ParseError& e) {
    const std::string text = e.what();
    const std::string is_required = " is required", requires = " requires ",
                      one_required = ": 1 required ", missing = " missing";
    if (dynamic_cast<const CLI::RequiredError*>(&e) &&
        text.find("subcommand") != std::string::npos) {
        const CLI::App* at = deepest(app);
        std::string jobs;
        for (const CLI::App* sub : at->get_subcommands({}))
            jobs += (jobs.empty() ? "" : ", ") + sub->get_name();
        const std::string wanted = qtext(QT_COMMAND_WANTED, {jobs});
        return at == &app ? wanted : at->get_name() + ": " + wanted;
    }
    const std::size_t required_at = text.size() - std::min(text.size(), is_required.size());
    if (dynamic_cast<const CLI::RequiredError*>(&e) && required_at > 0 &&
        text.compare(required_at, is_required.size(), is_required) == 0)
        return qtext(QT_REQUIRED, {text.substr(0, required_at)});
    const std::size_t colon = text.rfind(": ");
    if (dynamic_cast<const CLI::ExtrasError*>(&e) && colon != std::string::npos)
        return qtext(QT_NOT_EXPECTED, {text.substr(colon + 2)});
    const std::size_t one_at = text.find(one_required);
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) && one_at != std::string::npos &&
        text.size() > one_at + one_required.size() + missing.size())
        return qtext(QT_VALUE_WANTED,
                     {text.substr(0, one_at),
                      text.substr(one_at + one_required.size(),
                                  text.size() - missing.size() - one_at - one_required.size())});
    const std::size_t requires_at = text.find(requires);
    if (dynamic_cast<const CLI::RequiresError*>(&e) && requires_at != std::string::npos)
        return qtext(QT_NEEDS,
                     {text.substr(0, requires_at), text.substr(requires_at + requires.size())});
    return text;
}
} // namespace

commands define_command_line(CLI::App& app, command_line& c) {
    app.description(qtext(QT_HELP_ABOUT));
    app.name("quenby");
    frame_help(app);
    app.set_version_flag("--version", std::string("quenby ") + QUENBY_VERSION_TEXT,
                         qtext(QT_HELP_VERSION));
    // Anywhere on the line: "quenby station read ... --lang fr" too.
    app.fallthrough();
    app.add_option("--lang", c.lang, qtext(QT_HELP_LANG))
        ->check(one_of([](const std::string& s) { return language_of_code(s) >= 0; },
                       QT_NOT_A_LANGUAGE))
        ->type_name("it|en|es|fr");
    app.require_subcommand(1);
    commands made;
    made.ports = add_ports(app, c);
    made.log = add_log(app, c);
    made.decode = add_decode(app, c);
    made.station = add_station(app, c);
    made.cards = add_cards(app, c);
    finish_help(app);
    app.footer(qtext(QT_HELP_FOOTER));
    return made;
}

int usage_error(const CLI::App& app, const CLI::ParseError& e) {
    std::fprintf(stderr, "quenby: %s\n%s\n", error_words(app, e).c_str(),
                 qtext(QT_HELP_HINT).c_str());
    return 2;
}
