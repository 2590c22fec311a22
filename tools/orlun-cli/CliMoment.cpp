#include "CliMoment.h"

#include <algorithm>

#include "WholeDate.h"
#include "calendar/core/Limits.h"
#include "calendar/entry/Convert.h"
#include "calendar/western/Clock.h"

namespace orlun::cli {

namespace {

Moment AjdOf(const std::string& text, AjdCheck check)
{
    const auto value = ParseDouble(text);
    if (check == AjdCheck::NumberOnly) {
        if (!value) throw UsageError{"--ajd must be a number"};
        return Moment(*value);
    }
    if (!value) throw UsageError{"--ajd must be a number, not \"" + text + "\""};
    if (*value < kMinAJD || *value > kMaxAJD)
        throw UsageError{"--ajd must lie between 625333 (-3000-01-01) and 2816788 (3000-01-01)"};
    return Moment(*value);
}

} // namespace

MomentArgument ReadMomentArgument(const Options& options, const MomentRule& rule)
{
    const auto ajdText = options.Get("ajd");
    const auto dateText = options.Get("date");
    if (ajdText && dateText) throw UsageError{"give --ajd or --date, not both"};
    MomentArgument given;
    if (ajdText) given.ajd = AjdOf(*ajdText, rule.ajdCheck);
    given.date = dateText;
    return given;
}

Moment ReadMoment(const Options& options, const CalendarSettings& settings, const MomentRule& rule)
{
    const MomentArgument given = ReadMomentArgument(options, rule);
    if (given.ajd) return *given.ajd;
    if (given.date) return MomentOfDateText(*given.date, rule.dateName, settings);
    return CurrentAJDate(SystemClock());
}

Moment MomentOfDateText(const std::string& text, std::string_view what, const CalendarSettings& settings)
{
    DateEntry entry;
    entry.date = text;
    // No question can be answered here: a date without its designation is refused.
    const ConvertResult r = ConvertWholeEntry(entry, true, Moment(-1.0), settings, {});
    const std::string label = std::string(what) + ": ";
    if (r.outcome == ConvertOutcome::EntryError)
        throw UsageError{label + WithLineFeeds(DateEntryErrorMessage(r.errorCode, settings.country))};
    if (r.outcome == ConvertOutcome::OutOfRange) throw UsageError{label + DateRangeMessage(r.range)};
    return r.ajd;
}

std::string WithLineFeeds(std::string text)
{
    for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
    return text;
}

} // namespace orlun::cli
