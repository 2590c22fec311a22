#include "CliMoment.h"

#include <algorithm>

#include "calendar/core/Limits.h"
#include "calendar/entry/Convert.h"
#include "calendar/western/Clock.h"

namespace orlun::cli {

bool TakeSwitch(std::vector<std::string>& args, const std::string& name)
{
    const auto end = std::remove(args.begin(), args.end(), "--" + name);
    const bool found = end != args.end();
    args.erase(end, args.end());
    return found;
}

double MomentFromOptions(const Options& options, const CalendarSettings& settings)
{
    const auto ajdText = options.Get("ajd");
    const auto dateText = options.Get("date");
    if (ajdText && dateText) throw UsageError{"give --ajd or --date, not both"};
    if (ajdText) {
        const auto value = ParseDouble(*ajdText);
        if (!value) throw UsageError{"--ajd must be a number, not \"" + *ajdText + "\""};
        if (*value < kMinAJD || *value > kMaxAJD)
            throw UsageError{"--ajd must lie between 625333 (-3000-01-01) and 2816788 (3000-01-01)"};
        return *value;
    }
    if (!dateText) return CurrentAJDate(SystemClock()).ajd();
    return MomentOfDateText(*dateText, "--date", settings);
}

double MomentOfDateText(const std::string& text, const std::string& what, const CalendarSettings& settings)
{
    DateEntry entry;
    entry.date = text;
    // No question can be answered here: a date without its designation is refused.
    const ConvertResult r = ConvertEntry(entry, true, -1.0, settings, {});
    if (r.outcome == ConvertOutcome::EntryError)
        throw UsageError{what + ": " + WithLineFeeds(DateEntryErrorMessage(r.errorCode, settings.country))};
    if (r.outcome == ConvertOutcome::OutOfRange) throw UsageError{what + ": " + DateRangeMessage(r.range)};
    return r.ajd;
}

std::string WithLineFeeds(std::string text)
{
    for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
    return text;
}

} // namespace orlun::cli
