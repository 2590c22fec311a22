// orlun-cli multiple: the multiple element-animal search window's search from a moment.
#include "CliArgs.h"
#include "CliEvents.h"
#include "CliMoment.h"
#include "CliSearch.h"
#include "Commands.h"
#include "calendar/western/Clock.h"

namespace orlun::cli {

namespace {

int WithinOption(const std::string& text)
{
    for (int i = 0; i < kWithinCount; ++i) {
        const std::string item = kWithinTexts[i];
        if (text == item || "within " + text == item) return i;
    }
    throw UsageError{"--within must be \"1 year\", \"10 years\", \"100 years\" or \"1000 years\""};
}

} // namespace

int RunMultiple(const std::vector<std::string>& rawArgs, Output& out)
{
    std::vector<std::string> args = rawArgs;
    const bool next = !TakeSwitch(args, "previous");
    const bool fromToday = TakeSwitch(args, "from-today");
    const Options options(args, {"day", "month", "year", "within", "ajd", "date", "country", "epoch", "method", "lang"});
    if (!options.Positionals().empty()) throw UsageError{"multiple takes no positional arguments"};
    const CalendarSettings settings = SettingsFromOptions(options);
    const Language language = LanguageOf(options);
    MultipleCriteria criteria;
    const std::pair<const char*, MultipleRow> rows[] = {
        {"day", MultipleRow::Day}, {"month", MultipleRow::Month}, {"year", MultipleRow::Year}};
    for (const auto& [name, row] : rows)
        if (auto text = options.Get(name)) criteria[row] = ChoiceOption(*text, settings.country);
    const int within = options.Get("within") ? WithinOption(*options.Get("within")) : kDefaultWithin;
    const double start = fromToday ? CurrentAJDate(SystemClock()).ajd() : ReadMoment(options, settings, kRequiredMoment);
    // Nothing chosen is refused with the window's own message.
    return PrintOutcome(MultipleOutcome(criteria, start, next, within, fromToday, settings), settings, out, language);
}

} // namespace orlun::cli
