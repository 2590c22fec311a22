// orlun-cli yeardata: the dark moons and solar terms of three solar years, as the data window
// shows them.
#include "CliEvents.h"
#include "CliMoment.h"
#include "Commands.h"
#include "NativeTextBlocks.h"
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
    const Language language = LanguageOf(options);
    const std::string text = WithLineFeeds(YearDataText(ReadMoment(options, settings), o, settings));
    WriteTextBlock("yeardata", WithNativeYearDataNames(text, language), out);
    return 0;
}

} // namespace orlun::cli
