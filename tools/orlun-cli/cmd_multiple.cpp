// orlun-cli multiple: the multiple element-animal search window's search from a moment.
#include "CliArgs.h"
#include "CliEvents.h"
#include "CliMoment.h"
#include "CliSearch.h"
#include "Commands.h"
#include "calendar/western/Clock.h"

namespace orlun::cli {

namespace {

// The index of kWithinYears that --within "N years" or --years N names.
int WithinOption(const Options& options)
{
    const auto text = YearsText(options);
    if (!text) return kDefaultWithin;
    for (int i = 0; i < kWithinCount; ++i)
        if (ParseInteger(*text, kWithinYears[i], kWithinYears[i])) return i;
    throw UsageError{"--within must be \"1 year\", \"10 years\", \"100 years\" or \"1000 years\""};
}

} // namespace

int RunMultiple(const Options& options, Output& out)
{
    const bool next = !options.Has("previous");
    const bool fromToday = options.Has("from-today");
    if (!options.Positionals().empty()) throw UsageError{"multiple takes no positional arguments"};
    const CalendarSettings settings = SettingsFromOptions(options);
    const Language language = LanguageOf(options);
    MultipleCriteria criteria;
    const std::pair<const char*, MultipleRow> rows[] = {
        {"day", MultipleRow::Day}, {"month", MultipleRow::Month}, {"year", MultipleRow::Year}};
    for (const auto& [name, row] : rows)
        if (auto text = options.Get(name)) criteria[row] = ChoiceOption(*text, settings.country);
    const int within = WithinOption(options);
    const Moment start = fromToday ? CurrentAJDate(SystemClock()) : ReadMoment(options, settings);
    // Nothing chosen is refused with the window's own message.
    return PrintOutcome(MultipleOutcome(criteria, start, next, within, fromToday, settings), settings, out, language);
}

} // namespace orlun::cli
