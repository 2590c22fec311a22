#include "calendar/search/EventSearch.h"

#include <cmath>

#include "calendar/core/Limits.h"
#include "calendar/core/MoonPhases.h"
#include "calendar/core/TimeScales.h"
#include "calendar/search/DaySearch.h"
#include "calendar/search/LunarSearch.h"
#include "calendar/search/PhaseSearch.h"
#include "calendar/search/TermSearch.h"

namespace orlun {

namespace {

bool Between(SearchTarget t, SearchTarget first, SearchTarget last)
{
    return static_cast<int>(t) >= static_cast<int>(first) && static_cast<int>(t) <= static_cast<int>(last);
}

const char* UnitWord(SearchTarget target)
{
    switch (target) {
    case SearchTarget::ElementAnimalMonth: return "month";
    case SearchTarget::ElementAnimalYear: return "year";
    default: return "day";
    }
}

SearchOutcome Dispatch(double ajd, const SearchInputs& in, const CalendarSettings& settings,
                       const SearchProgress& progress)
{
    const SearchTarget t = in.target;
    const int32_t today = DayNumberOf(AJDToCJDC(ajd, settings.refLongitude));
    if (IsElementAnimalTarget(t) && !in.choice.Specified())
        return Refused(kErrorTitle, kNoElementAnimalChosen, MessageIcon::Warning);
    switch (t) {
    case SearchTarget::FullMoon: return PhaseSearch(ajd, kPhaseFull, in.next);
    case SearchTarget::DarkMoon: return PhaseSearch(ajd, kPhaseDark, in.next);
    case SearchTarget::LunarQuarter: return QuarterSearch(ajd, in.next);
    case SearchTarget::LunarNewYear: return LunarNewYearSearch(CHLDateOf(ajd, settings), in.next, settings);
    case SearchTarget::ElementAnimalDay:
        return ElementAnimalDaySearch(today, in.next, in.choice, settings.refLongitude);
    case SearchTarget::ElementAnimalMonth:
        return ElementAnimalMonthSearch(CHLDateOf(ajd, settings), in.next, in.choice, settings, progress);
    case SearchTarget::ElementAnimalYear:
        return ElementAnimalYearSearch(CHLDateOf(ajd, settings), in.next, in.choice, settings);
    case SearchTarget::TripleCoincidenceDay: return TripleCoincidenceSearch(today, in.next, settings, progress);
    case SearchTarget::IntercalaryMonth:
        return IntercalaryMonthSearch(CHLDateOf(ajd, settings), in.next, in.keep30, settings);
    case SearchTarget::SameElementAnimalDayMonth:
    case SearchTarget::MultipleElementAnimalDay:
        return Refused(kSearchTitle, "This search is made in its own window.", MessageIcon::Warning);
    default: break;
    }
    if (Between(t, SearchTarget::WinterSolstice, SearchTarget::SolarTerm))
        return TermSearch(t, ajd, in.next, settings.refLongitude);
    return CoincidenceSearch(t, ajd, in.next, settings, progress);
}

} // namespace

bool UsesMultipleWindow(SearchTarget target)
{
    return target == SearchTarget::SameElementAnimalDayMonth || target == SearchTarget::MultipleElementAnimalDay;
}

bool IsElementAnimalTarget(SearchTarget target)
{
    return Between(target, SearchTarget::ElementAnimalDay, SearchTarget::ElementAnimalYear);
}

bool ClearsShowCJDs(SearchTarget target)
{
    return Between(target, SearchTarget::ElementAnimalDay, SearchTarget::MultipleElementAnimalDay);
}

SearchOutcome RunSearch(double ajd, const SearchInputs& inputs, const CalendarSettings& settings,
                        const SearchProgress& progress)
{
    // No event can be found within the range from a moment far beyond it.
    constexpr double kFarBeyond = 36525; // a century of days
    if (!std::isfinite(ajd) || ajd < kMinAJD - kFarBeyond || ajd > kMaxAJD + kFarBeyond)
        return RangeRefusal(inputs.next);
    return WithinRange(Dispatch(ajd, inputs, settings, progress));
}

std::string ElementAnimalTargetText(SearchTarget target, const ElementAnimalChoice& choice, Country country)
{
    if (!choice.Specified()) return std::string(SearchTargetText(target));
    return ChoiceText(choice, country) + " " + UnitWord(target);
}

std::optional<SearchTarget> SearchTargetFromText(const std::string& text)
{
    for (int i = 0; i < kSearchTargetCount; ++i)
        if (kSearchTargetTexts[i] == text) return static_cast<SearchTarget>(i);
    return std::nullopt;
}

} // namespace orlun
