// The commands of orlun-cli, each with its arguments and options (CommandSpec).
#pragma once

#include <span>
#include <string>

#include "CommandSpec.h"

namespace orlun::cli {

// Every command, in the order the help lists them.
std::span<const CommandSpec> Commands();
// The command of that name, or nullptr.
const CommandSpec* CommandNamed(const std::string& name);

} // namespace orlun::cli
