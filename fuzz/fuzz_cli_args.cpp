// The command-line reader of orlun-cli: any arguments give values or a usage error, nothing else.
#include <cmath>

#include "FuzzInput.h"
#include "calendar/core/ChineseYears.h"
#include "tools/orlun-cli/CliArgs.h"
#include "tools/orlun-cli/CliMoment.h"
#include "tools/orlun-cli/CommandLine.h"

using namespace orlun;

namespace {

// A command with the options the moment and the settings are read from, and a switch with an alias.
const std::vector<cli::CommandSpec>& FuzzCommands()
{
    static const std::vector<cli::CommandSpec> commands = [] {
        cli::CommandSpec command("fuzz", "", "", {}, nullptr);
        for (const char* name : {"ajd", "date", "country", "epoch", "method", "plus", "zone"})
            command.options.emplace_back(name, "V", "");
        command.options.emplace_back("previous", "", "", std::vector<std::string>{}, std::vector<std::string>{"back"});
        return std::vector<cli::CommandSpec>{command};
    }();
    return commands;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzInput in(data, size);
    std::vector<std::string> args = in.Fields('\0');
    for (const std::string& a : args) {
        if (const auto d = cli::ParseDouble(a); d && !std::isfinite(*d)) fuzz::Broken("a number that is not finite");
        if (const auto n = cli::ParseInteger(a, -3000, 3000); n && (*n < -3000 || *n > 3000))
            fuzz::Broken("a whole number outside its bounds");
    }
    std::vector<const char*> argv = {"orlun-cli", "fuzz"};
    for (const std::string& a : args) argv.push_back(a.c_str());
    try {
        const cli::CommandLine line = cli::ReadCommandLine(static_cast<int>(argv.size()), argv.data(), FuzzCommands());
        if (line.request != cli::Request::Run) return 0;
        const CalendarSettings settings = cli::SettingsFromOptions(line.options);
        if (settings.epoch != kEpochHuangdi && settings.epoch != kEpochAlternative)
            fuzz::Broken("an epoch that is neither of the two");
        const double ajd = cli::ReadMoment(line.options, settings).ajd();
        if (!std::isfinite(ajd)) fuzz::Broken("a moment that is not finite");
        // The rule of calendar: any number, but a number.
        const cli::MomentArgument given = cli::ReadMomentArgument(line.options, {cli::AjdCheck::NumberOnly, "the date"});
        if (given.ajd && given.date) fuzz::Broken("both --ajd and --date");
        if (given.ajd && !std::isfinite(given.ajd->ajd())) fuzz::Broken("an --ajd that is not finite");
    } catch (const cli::UsageError&) {
    }
    return 0;
}
