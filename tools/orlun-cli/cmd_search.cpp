// orlun-cli search: the Search panel's search for the next or previous event from a moment.
#include "CliArgs.h"
#include "CliEvents.h"
#include "CliMoment.h"
#include "CliSearch.h"
#include "Commands.h"
#include "calendar/search/EventSearch.h"
#include "calendar/search/SearchTargets.h"

namespace orlun::cli {

namespace {

// The Search panel's target whose list text the text spells.
SearchTarget TargetNamed(const std::string& text)
{
    const std::span<const SearchTargetRow> rows = SearchTargetRows();
    std::vector<std::string> names;
    for (const SearchTargetRow& row : rows) names.emplace_back(row.text);
    return rows[ChoiceNamed("target", text, names)].target;
}

} // namespace

int RunSearch(const Options& options, Output& out)
{
    SearchInputs in;
    in.next = !options.Has("previous");
    if (options.Positionals().size() != 1) throw UsageError{"search needs one TARGET"};
    const SearchTarget target = TargetNamed(options.Positionals()[0]);
    in.target = target;
    const CalendarSettings settings = SettingsFromOptions(options);
    const Language language = LanguageOf(options);
    in.choice.element = ElementOption(options.Get("element").value_or(""));
    in.choice.animal = AnimalOption(options.Get("animal").value_or(""), settings.country);
    if (KindOf(target) == TargetKind::OwnWindow)
        throw UsageError{"the multiple element-animal day is searched with orlun-cli multiple"};
    const Moment start = ReadMoment(options, settings);
    if (KindOf(target) == TargetKind::SameDayAndMonth)
        return PrintOutcome(MultipleOutcome(SameDayAndMonthCriteria(start, settings), start, in.next, kDefaultWithin,
                                            false, settings),
                            settings, out, language);
    return PrintOutcome(orlun::RunSearch(start, in, settings), settings, out, language);
}

} // namespace orlun::cli
