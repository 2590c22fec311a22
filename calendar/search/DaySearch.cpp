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
bool YearBounds(const ChineseLunarDate& chl, const CalendarSettings& settings, int32_t& first, int32_t& last)
{
    ChineseLunarDate rec = chl;
    rec.month = kFirstMonth;
    rec.day = 1;
    const CHLDay newYear = ChLDateToJDN(rec, settings);
    if (!newYear.found()) return false;
    first = newYear.day.value();
    StepCyclePosition(rec, true);
    const CHLDay following = ChLDateToJDN(rec, settings);
    if (!following.found()) return false;
    last = following.day.value() - 1;
    return true;
}

} // namespace

int32_t NextDayOfPosition(int32_t day, int position, bool next)
{
    const int here = DayPosition(day);
    const int ahead = static_cast<int>(FloorMod(position - here, kCyclePositions));
    const int behind = (kCyclePositions - ahead) % kCyclePositions;
    return next ? day + ahead : day - behind;
}

MomentOutcome ElementAnimalDaySearch(int32_t day, bool next, const ElementAnimalChoice& choice, int refLongitude)
{
    const int s = next ? 1 : -1;
    for (int i = 1; i <= kCyclePositions; ++i) {
        const int32_t candidate = day + s * i;
        if (choice.MatchesPosition(DayPosition(candidate))) return FoundDay(candidate, refLongitude);
    }
    return RangeRefusal(next); // not reached: every pair recurs within 60 days
}

MomentOutcome TripleCoincidenceSearch(int32_t day, bool next, const CalendarSettings& settings,
                                      const SearchProgress& progress)
{
    const int s = next ? 1 : -1;
    ProgressDots dots(progress, " .", std::string::npos);
    int examined = 0;
    int32_t candidate = day + s;
    // Year by year: within a year only the days of the year's own position can match, 60 days
    // apart; the year's names are read once.
    while (candidate >= kMinJDN && candidate <= kMaxJDN) {
        const std::optional<ChineseLunarDate> chl = CHLDateOfDay(candidate, settings);
        int32_t first = 0, last = 0;
        if (!chl || !YearBounds(*chl, settings, first, last)) break;
        const ElementAnimal year = YearElementAnimal(*chl);
        for (int32_t d = NextDayOfPosition(candidate, chl->position, next); d >= first && d <= last;
             d += s * kCyclePositions) {
            if (examined++ % kDotEvery == 0) dots.Add();
            const ElementAnimal month = MonthElementAnimal(CHLDateOfDay(d, settings).value_or(ChineseLunarDate{}));
            if (month.element == year.element && month.animal == year.animal)
                return FoundDay(d, settings.refLongitude);
        }
        candidate = next ? last + 1 : first - 1;
    }
    return RangeRefusal(next);
}

} // namespace orlun
