// orlun-cli yeardata: the dark moons and solar terms of three solar years, as the data window
// shows them.
#include "CliEvents.h"
#include "CliMoment.h"
#include "Commands.h"
#include "TextBlocks.h"
#include "calendar/tables/YearData.h"

namespace orlun::cli {

int RunYearData(const Options& options, Output& out)
{
    YearDataOptions o;
    o.majorTerms = !options.Has("no-major");
    o.minorTerms = !options.Has("no-minor");
    o.termNames = options.Has("names");
    o.julian = options.Has("jc");
    if (!options.Positionals().empty()) throw UsageError{"yeardata takes no positional arguments"};
    const CalendarSettings settings = SettingsFromOptions(options);
    o.language = LanguageOf(options);
    WriteTextBlock("yeardata", WithLineFeeds(YearDataText(ReadMoment(options, settings), o, settings)), out);
    return 0;
}

} // namespace orlun::cli
