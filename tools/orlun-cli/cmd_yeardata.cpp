// orlun-cli yeardata: the dark moons and solar terms of three solar years, as the data window
// shows them.
#include "CliEvents.h"
#include "CliMoment.h"
#include "Commands.h"
#include "NativeTextBlocks.h"
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
    const Language language = LanguageOf(options);
    const std::string text = WithLineFeeds(YearDataText(ReadMoment(options, settings), o, settings));
    WriteTextBlock("yeardata", WithNativeYearDataNames(text, language), out);
    return 0;
}

} // namespace orlun::cli
