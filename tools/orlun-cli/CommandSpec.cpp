#include "CommandSpec.h"

namespace orlun::cli {

const OptionSpec* OptionNamed(const CommandSpec& command, const std::string& dashedName)
{
    for (const OptionSpec& option : command.options) {
        if ("--" + option.name == dashedName) return &option;
        for (const std::string& alias : option.aliases)
            if ("--" + alias == dashedName) return &option;
    }
    return nullptr;
}

} // namespace orlun::cli
