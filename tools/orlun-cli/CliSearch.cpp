#include "CliSearch.h"

#include <cstdio>

#include "CliMoment.h"
#include "calendar/core/TimeScales.h"
#include "calendar/presentation/DisplayModel.h"

namespace orlun::cli {

double SearchStart(const Options& options, const CalendarSettings& settings)
{
    if (options.Get("ajd").has_value() == options.Get("date").has_value())
        throw UsageError{"give --ajd or --date"};
    return MomentFromOptions(options, settings);
}

int ElementOption(const std::string& name)
{
    if (name.empty()) return kNoElementItem;
    const int e = ElementIndexOf(name);
    if (e < 0) throw UsageError{"unknown element \"" + name + "\""};
    return e;
}

int AnimalOption(const std::string& name, Country country)
{
    if (name.empty()) return kNoAnimalItem;
    const int a = AnimalIndexOf(name, country);
    if (a < 0) throw UsageError{"unknown animal \"" + name + "\""};
    return a;
}

ElementAnimalChoice ChoiceOption(const std::string& text, Country country)
{
    const auto dash = text.find('-');
    if (dash == std::string::npos || text.find('-', dash + 1) != std::string::npos)
        throw UsageError{"an element-animal is written wood-rat, wood- or -rat, not \"" + text + "\""};
    ElementAnimalChoice c;
    c.element = ElementOption(text.substr(0, dash));
    c.animal = AnimalOption(text.substr(dash + 1), country);
    if (!c.Specified()) throw UsageError{"\"-\" names no element and no animal"};
    return c;
}

int PrintOutcome(const MomentOutcome& outcome, const CalendarSettings& settings)
{
    if (!outcome.ok()) {
        const std::string& title = outcome.refusal().title;
        std::printf("%s: %s\n", title.empty() ? "Orlun" : title.c_str(),
                    WithLineFeeds(outcome.refusal().text).c_str());
        return 1;
    }
    const DisplayTexts texts = BuildDisplayTexts(outcome->ajd, settings);
    for (const DisplayLine* line : texts.Lines()) std::printf("%s\t%s\n", line->caption.c_str(), line->value.c_str());
    return 0;
}

MomentOutcome MultipleOutcome(const MultipleCriteria& criteria, double start, bool next, int within,
                              bool fromToday, const CalendarSettings& settings)
{
    if (!criteria.AnySpecified()) return Refused(kInvalidInputTitle, kNothingSpecified, MessageIcon::Warning);
    const int32_t a = DayNumberOf(AJDToCJDC(start, settings.refLongitude));
    const int32_t limit = MultipleSearchLimit(a, next, kWithinYears[within], settings);
    const MultipleResult r = MultipleElementAnimalSearch(criteria, a, next, limit, settings);
    if (r.status != MultipleStatus::Found)
        return Refused(kNotFoundTitle, MultipleNotFoundText(kWithinTexts[within], fromToday), MessageIcon::None);
    return WithinRange(FoundDay(r.day, settings.refLongitude));
}

} // namespace orlun::cli
