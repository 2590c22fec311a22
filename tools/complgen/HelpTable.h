// The commands of orlun-cli as the usage lines of their help give them ("orlun-cli COMMAND --help",
// one after another): each command's options, which of them take a value, and the choices the
// usage spells out ("--country Vietnam|China|Japan").
#pragma once

#include <string>
#include <vector>

namespace orlun::complgen {

struct OptionHelp {
    std::string name;  // "--country"
    std::string value; // "Vietnam|China|Japan", "FILE", "X"; empty for a switch
};

struct CommandHelp {
    std::string name;                      // empty for the line of --help and --version
    std::vector<std::string> firstChoices; // "list newyears|months|jcce": the first argument's choices
    std::vector<OptionHelp> options;       // in help order, each once
};

// The usage lines "usage: orlun-cli NAME ..." with their indented continuation lines, in help order;
// the program's own line ("usage: orlun-cli COMMAND ... | --help | --version") has no name.
std::vector<CommandHelp> ParseHelp(const std::string& text);

// "a|b|c" split at '|'; one item for a text without '|'.
std::vector<std::string> SplitChoices(const std::string& value);

} // namespace orlun::complgen
