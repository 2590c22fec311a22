#include "CommandLine.h"

#include <CLI/CLI.hpp>
#include <sstream>
#include <string>
#include <utf8.h>
#include <vector>

#include "names/NameMatch.h"

namespace orlun::cli {

namespace {

// The value placeholder of an option that names a file.
constexpr std::string_view kFileValue = "FILE";

// What CLI11 collects for one command: its positionals and, per option, the values given.
struct Collected {
    std::vector<std::string> positionals;
    std::vector<std::pair<const OptionSpec*, CLI::Option*>> options;
};

std::string CliNames(const OptionSpec& option)
{
    std::string names = "--" + option.name;
    for (const std::string& alias : option.aliases) names += ",--" + alias;
    return names;
}

void AddCommand(CLI::App& app, const CommandSpec& spec, Collected& collected)
{
    CLI::App* sub = app.add_subcommand(spec.name, spec.summary);
    sub->set_help_flag("-h,--help");
    sub->add_option("arguments", collected.positionals);
    for (const OptionSpec& option : spec.options) {
        CLI::Option* cli = option.Switch() ? sub->add_flag(CliNames(option))
                                           : sub->add_option(CliNames(option))
                                                 ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
        collected.options.emplace_back(&option, cli);
    }
}

// A value option as the last word has no value: said in our words, with its choices.
void CheckLastValue(const CommandSpec& command, const std::string& last)
{
    const OptionSpec* option = OptionNamed(command, last);
    if (!option || option->Switch()) return;
    const std::string choices = option->choices.empty() ? "" : ": " + NameChoices(option->choices);
    throw UsageError{"option " + last + " needs a value" + choices};
}

// The name of the positional argument at the index as the usage writes it ("TO" of "FROM TO"), or
// "argument N" where the usage has no single word for it.
std::string ArgumentName(const CommandSpec& command, size_t index)
{
    std::istringstream usage(command.arguments);
    std::vector<std::string> words;
    for (std::string word; usage >> word;) words.push_back(word);
    const auto isName = [](const std::string& word) {
        return !word.empty() && word.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string::npos;
    };
    if (index < words.size() && isName(words[index])) return words[index];
    return "argument " + std::to_string(index + 1);
}

// Every text given is copied into texts, CSV, JSON and calendars: bytes that are no UTF-8 are
// refused here, by the name of what carried them. A file name (a FILE value) is the system's
// bytes, not text, and passes as it is.
void CheckUtf8(const CommandSpec& command, const Options& options, const Collected& collected)
{
    for (size_t i = 0; i < options.Positionals().size(); ++i)
        if (!utf8::is_valid(options.Positionals()[i]))
            throw UsageError{ArgumentName(command, i) + " must be valid UTF-8 text"};
    for (const auto& [spec, cli] : collected.options) {
        if (spec->value == kFileValue) continue;
        if (const auto value = options.Get(spec->name); value && !utf8::is_valid(*value))
            throw UsageError{"--" + spec->name + " must be valid UTF-8 text"};
    }
}

Options OptionsOf(const Collected& collected)
{
    std::vector<std::pair<std::string, std::string>> values;
    std::vector<std::string> switches;
    for (const auto& [spec, cli] : collected.options) {
        if (cli->count() == 0) continue;
        if (spec->Switch()) {
            switches.push_back(spec->name);
            continue;
        }
        if (cli->results().size() > 1) throw UsageError{"option --" + spec->name + " given twice"};
        values.emplace_back(spec->name, cli->results().front());
    }
    return Options(collected.positionals, std::move(values), std::move(switches));
}

// The first word the parser could not place: an option no command has, or a stray argument.
std::string UnknownWord(const CLI::App& app)
{
    const CLI::App* at = &app;
    if (!app.get_subcommands().empty()) at = app.get_subcommands().front();
    const std::vector<std::string> rest = at->remaining();
    if (rest.empty()) return "unexpected arguments";
    const std::string& word = rest.front();
    return (word.rfind('-', 0) == 0 ? "unknown option " : "unexpected argument ") + word;
}

} // namespace

CommandLine ReadCommandLine(int argc, const char* const* argv, std::span<const CommandSpec> commands)
{
    if (argc < 2) throw UsageError{""};
    CommandLine line;
    const std::string first = argv[1];
    for (const CommandSpec& command : commands)
        if (command.name == first) line.command = &command;
    if (!line.command && first.rfind('-', 0) != 0) throw UsageError{"unknown command \"" + first + "\""};
    if (line.command) CheckLastValue(*line.command, argv[argc - 1]);

    CLI::App app("", "orlun-cli");
    app.set_help_flag("-h,--help");
    CLI::Option* version = app.add_flag("--version");
    Collected collected;
    // Only the command given, so that its arguments may spell another command ("list months").
    if (line.command) AddCommand(app, *line.command, collected);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        line.request = Request::Help;
        return line;
    } catch (const CLI::ExtrasError&) {
        throw UsageError{UnknownWord(app)};
    } catch (const CLI::ParseError& e) {
        throw UsageError{e.what()};
    }
    if (!line.command) {
        if (version->count() == 0) throw UsageError{""};
        line.request = Request::Version;
        return line;
    }
    line.options = OptionsOf(collected);
    CheckUtf8(*line.command, line.options, collected);
    return line;
}

} // namespace orlun::cli
