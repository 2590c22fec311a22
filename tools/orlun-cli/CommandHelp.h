// The help texts of orlun-cli: the list of commands, and each command's usage, arguments, options
// and their choices. A usage line names an option's choices where they are single words
// ("[--method true|mean]"); the completion generator and the manual page read those lines.
#pragma once

#include <string>

#include "CommandTable.h"

namespace orlun::cli {

// "usage: orlun-cli COMMAND ..." and the commands with one line each; the program's options.
std::string ProgramHelp();

// The command's usage lines, wrapped with indented continuation lines.
std::string CommandUsage(const CommandSpec& command);
// The usage, what the command does, its arguments and its options with their choices.
std::string CommandHelp(const CommandSpec& command);

} // namespace orlun::cli
