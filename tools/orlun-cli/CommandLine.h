// The reading of orlun-cli's command line (CLI11): the command, its arguments and options, or a
// request for help or the version.
#pragma once

#include "CliArgs.h"
#include <span>

#include "CommandSpec.h"

namespace orlun::cli {

enum class Request { Run, Help, Version };

struct CommandLine {
    Request request = Request::Run;
    const CommandSpec* command = nullptr; // none for the program's help and version
    Options options;
};

// The command line read against the commands; a UsageError for an unknown command or option, a
// missing value or an option given twice, and for no command at all (with an empty message).
CommandLine ReadCommandLine(int argc, const char* const* argv, std::span<const CommandSpec> commands);

} // namespace orlun::cli
