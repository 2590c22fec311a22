// orlun-cli yeardata: the dark moons and solar terms of three solar years, as the data window
// shows them.
#include "CliEvents.h"
#include "CliMoment.h"
#include "Commands.h"
#include "TextBlocks.h"
#include "calendar/tables/YearData.h"

namespace orlun::cli {

int RunYearData(const std::vector<std::string>& rawArgs, Output& out)
{
    std::vector<std::string> args = rawArgs;
    YearDataOptions o;
    o.majorTerms = !TakeSwitch(args, "no-major");
    o.minorTerms = !TakeSwitch(args, "no-minor");
    o.termNames = TakeSwitch(args, "names");
    o.julian = TakeSwitch(args, "jc");
    const Options options(args, {"ajd", "date", "country", "epoch", "method", "lang"});
    if (!options.Positionals().empty()) throw UsageError{"yeardata takes no positional arguments"};
    const CalendarSettings settings = SettingsFromOptions(options);
    o.language = LanguageOf(options);
    WriteTextBlock("yeardata", WithLineFeeds(YearDataText(ReadMoment(options, settings), o, settings)), out);
    return 0;
}

} // namespace orlun::cli
