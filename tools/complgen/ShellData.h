// The data block shared by the bash and zsh completion scripts: shell variables and two lookup
// functions written in the syntax both shells read.
#pragma once

#include <string>
#include <vector>

#include "HelpTable.h"

namespace orlun::complgen {

// _orlun_cli_commands, _orlun_cli_value_options, _orlun_cli_file_options, _orlun_cli_options CMD
// (the options of a command; '' for those before any command) and _orlun_cli_values KEY (one
// choice a line for "COMMAND --option", for a command's first argument, or for "move:COUNTRY").
std::string ShellData(const std::vector<CommandHelp>& commands);

} // namespace orlun::complgen
