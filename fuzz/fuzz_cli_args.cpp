// The argument readers of orlun-cli: any arguments give values or a usage error, nothing else.
#include "FuzzInput.h"
#include "calendar/core/ChineseYears.h"
#include "tools/orlun-cli/CliArgs.h"
#include "tools/orlun-cli/CliMoment.h"

using namespace orlun;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzInput in(data, size);
    std::vector<std::string> args = in.Fields('\0');
    for (const std::string& a : args) {
        if (const auto d = cli::ParseDouble(a); d && !std::isfinite(*d)) fuzz::Broken("a number that is not finite");
        if (const auto n = cli::ParseInteger(a, -3000, 3000); n && (*n < -3000 || *n > 3000))
            fuzz::Broken("a whole number outside its bounds");
    }
    const bool yes = cli::TakeSwitch(args, "yes");
    (void)yes;
    try {
        const cli::Options options(args, {"ajd", "date", "country", "epoch", "method", "plus", "zone"});
        for (const char* name : {"ajd", "date", "country", "epoch", "method", "plus", "zone"})
            (void)options.Get(name);
        const CalendarSettings settings = cli::SettingsFromOptions(options);
        if (settings.epoch != kEpochHuangdi && settings.epoch != kEpochAlternative)
            fuzz::Broken("an epoch that is neither of the two");
        const double ajd = cli::ReadMoment(options, settings);
        if (!std::isfinite(ajd)) fuzz::Broken("a moment that is not finite");
    } catch (const cli::UsageError&) {
    }
    // The rule of calendar: any number, but a number.
    try {
        const cli::Options options(args, {"ajd", "date"});
        const cli::MomentArgument given = cli::ReadMomentArgument(
            options, {cli::MomentPresence::Required, "needs one", cli::AjdCheck::NumberOnly, "the date"});
        if (given.ajd.has_value() == given.date.has_value()) fuzz::Broken("not exactly one of --ajd and --date");
        if (given.ajd && !std::isfinite(*given.ajd)) fuzz::Broken("an --ajd that is not finite");
    } catch (const cli::UsageError&) {
    }
    return 0;
}
