// A command of orlun-cli as the parser and the help know it: its arguments, its options with their
// aliases, values and choices, and a line that says what it does.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "CliArgs.h"
#include "output/Output.h"

namespace orlun::cli {

using Runner = int (*)(const Options&, Output&);

struct OptionSpec {
    OptionSpec(std::string name_, std::string value_, std::string help_, std::vector<std::string> choices_ = {},
               std::vector<std::string> aliases_ = {})
        : name(std::move(name_)), value(std::move(value_)), help(std::move(help_)), choices(std::move(choices_)),
          aliases(std::move(aliases_))
    {
    }
    std::string name;                 // "previous", given as --previous
    std::string value;                // the usage's placeholder ("X", "FILE"); empty for a switch
    std::string help;                 // what it does, one line
    std::vector<std::string> choices; // the names it takes, when they are few and fixed
    std::vector<std::string> aliases; // older spellings: "back" for --previous
    bool Switch() const { return value.empty(); }
};

struct CommandSpec {
    CommandSpec(std::string name_, std::string summary_, std::string arguments_, std::vector<std::string> argumentHelp_,
                Runner run_, bool ownFormat_ = false)
        : name(std::move(name_)), summary(std::move(summary_)), arguments(std::move(arguments_)),
          argumentHelp(std::move(argumentHelp_)), run(run_), ownFormat(ownFormat_)
    {
    }
    std::string name;
    std::string summary;   // one line for the list of commands
    std::string arguments; // the positional arguments as the usage writes them ("FIRST LAST")
    std::vector<std::string> argumentHelp; // "NAME  what it is" lines
    std::vector<OptionSpec> options; // its own, then those every command takes
    Runner run;
    bool ownFormat = false; // reads its own --format (with ics) and writes its files itself
};

// The option of the command named "--name" or by one of its aliases, or nullptr.
const OptionSpec* OptionNamed(const CommandSpec& command, const std::string& dashedName);

} // namespace orlun::cli
