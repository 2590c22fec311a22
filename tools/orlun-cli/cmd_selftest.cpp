// orlun-cli selftest: the Chinese dates of 1000 random pairs, or of one typed date, to a day
// number and back; exit 1 when a date came back as another date.
#include <chrono>

#include "CliMoment.h"
#include "Commands.h"
#include "TextBlocks.h"
#include "calendar/core/TimeScales.h"
#include "calendar/tables/SelfTest.h"

namespace orlun::cli {

int RunSelfTest(const std::vector<std::string>& args, Output& out)
{
    const Options options(args, {"date", "seed", "country", "epoch", "method"});
    if (!options.Positionals().empty()) throw UsageError{"selftest takes no positional arguments"};
    const CalendarSettings settings = SettingsFromOptions(options);
    bool failed = false;
    std::string text;
    if (options.Get("date")) {
        if (options.Get("seed")) throw UsageError{"give --date or --seed, not both"};
        const double ajd = ReadMoment(options, settings);
        text = CheckMoment(AJDToCJDC(ajd, settings.refLongitude), settings, failed) + "\r\n";
    } else {
        uint32_t seed = static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
        if (auto s = options.Get("seed")) {
            const auto value = ParseInteger(*s, 0, UINT32_MAX);
            if (!value) throw UsageError{"--seed must be a whole number from 0 to 4294967295"};
            seed = static_cast<uint32_t>(*value);
        }
        RandomSelfTest test(seed, settings);
        text = kSelfTestHeading;
        while (!test.Finished()) text += test.NextPair();
        text += "\r\n";
    }
    WriteTextBlock("selftest", WithLineFeeds(text), out);
    return failed ? 1 : 0;
}

} // namespace orlun::cli
