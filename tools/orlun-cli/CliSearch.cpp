#include "CliSearch.h"

#include <vector>

#include "CliMoment.h"
#include "DisplayRecords.h"
#include "calendar/chinese/Sexagenary.h"
#include "calendar/core/TimeScales.h"
#include "calendar/presentation/DisplayModel.h"

namespace orlun::cli {

int ElementOption(const std::string& name)
{
    if (name.empty()) return kNoElementItem;
    const std::vector<std::string> names(kElementNames.begin(), kElementNames.end());
    return static_cast<int>(ChoiceNamed("element", name, names));
}

int AnimalOption(const std::string& name, Country country)
{
    if (name.empty()) return kNoAnimalItem;
    return static_cast<int>(ChoiceNamed("animal", name, AnimalNames(country)));
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

int PrintOutcome(const MomentOutcome& outcome, const CalendarSettings& settings, Output& out, Language language)
{
    if (!outcome.ok()) {
        out.Refusal(outcome.refusal().title, WithLineFeeds(outcome.refusal().text));
        return 1;
    }
    WriteDisplayLines(BuildDisplayTexts(outcome->moment, settings), out, language);
    return 0;
}

MomentOutcome MultipleOutcome(const MultipleCriteria& criteria, Moment start, bool next, int within,
                              bool fromToday, const CalendarSettings& settings)
{
    if (!criteria.AnySpecified()) return Refused(kInvalidInputTitle, kNothingSpecified, MessageIcon::Warning);
    const DayNumber a = AJDToCJDC(start, settings.meridian).day();
    const DayNumber limit = MultipleSearchLimit(a, next, kWithinYears[within], settings);
    const MultipleResult r = MultipleElementAnimalSearch(criteria, a, next, limit, settings);
    if (r.status != MultipleStatus::Found)
        return Refused(kNotFoundTitle, MultipleNotFoundText(kWithinTexts[within], fromToday), MessageIcon::None);
    return WithinRange(FoundDay(r.day, settings.meridian));
}

} // namespace orlun::cli
