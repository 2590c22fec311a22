#include "calendar/search/DaySearch.h"

#include <optional>

#include "calendar/chinese/ChineseDateText.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/core/CountStep.h"
#include "calendar/core/Limits.h"
#include "calendar/search/LunarSearch.h"

namespace orlun {

namespace {

constexpr int kDotEvery = 10;

// The first and last day of the CHL year of the record; false at an end of the range.
bool YearBounds(const ChineseLunarDate& chl, const CalendarSettings& settings, DayNumber& first, DayNumber& last)
{
    ChineseLunarDate rec = chl;
    rec.month = kFirstMonth;
    rec.day = 1;
    const CHLDay newYear = ChLDateToJDN(rec, settings);
    if (!newYear.found()) return false;
    first = newYear.day;
    StepCyclePosition(rec, true);
    const CHLDay following = ChLDateToJDN(rec, settings);
    if (!following.found()) return false;
    last = following.day - 1;
    return true;
}

} // namespace

DayNumber NextDayOfPosition(DayNumber day, int position, bool next)
{
    const int here = DayPosition(day);
    const int ahead = static_cast<int>(FloorMod(position - here, kCyclePositions));
    const int behind = (kCyclePositions - ahead) % kCyclePositions;
    return next ? day + ahead : day - behind;
}

MomentOutcome ElementAnimalDaySearch(DayNumber day, bool next, const ElementAnimalChoice& choice, Meridian reference)
{
    const int s = next ? 1 : -1;
    for (int i = 1; i <= kCyclePositions; ++i) {
        const DayNumber candidate = day + s * i;
        if (choice.MatchesPosition(DayPosition(candidate))) return FoundDay(candidate, reference);
    }
    return RangeRefusal(next); // not reached: every pair recurs within 60 days
}

MomentOutcome TripleCoincidenceSearch(DayNumber day, bool next, const CalendarSettings& settings,
                                      const SearchProgress& progress)
{
    const int s = next ? 1 : -1;
    ProgressDots dots(progress, " .", std::string::npos);
    int examined = 0;
    DayNumber candidate = day + s;
    // Year by year: within a year only the days of the year's own position can match, 60 days
    // apart; the year's names are read once.
    while (candidate >= kFirstSupportedDay && candidate <= kLastSupportedDay) {
        const std::optional<ChineseLunarDate> chl = CHLDateOfDay(candidate, settings);
        DayNumber first, last;
        if (!chl || !YearBounds(*chl, settings, first, last)) break;
        const ElementAnimal year = YearElementAnimal(*chl);
        for (DayNumber d = NextDayOfPosition(candidate, chl->position, next); d >= first && d <= last;
             d = d + s * kCyclePositions) {
            if (examined++ % kDotEvery == 0) dots.Add();
            const ElementAnimal month = MonthElementAnimal(CHLDateOfDay(d, settings).value_or(ChineseLunarDate{}));
            if (month.element == year.element && month.animal == year.animal)
                return FoundDay(d, settings.meridian);
        }
        candidate = next ? last + 1 : first - 1;
    }
    return RangeRefusal(next);
}

} // namespace orlun
