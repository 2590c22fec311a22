#include "calendar/search/DaySearch.h"

#include "calendar/chinese/ChineseDateText.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/core/Limits.h"
#include "calendar/search/LunarSearch.h"

namespace orlun {

namespace {

constexpr int kDotEvery = 10;

// The first and last day of the CHL year of the record; false at an end of the range.
bool YearBounds(const CHLDate& chl, const CalendarSettings& settings, int32_t& first, int32_t& last)
{
    CHLDate rec = chl;
    rec.month = 1;
    rec.day = 1;
    rec.leap = 0;
    if (ChLDateToJDN(rec, settings) != CHLResult::Found) return false;
    first = rec.jdn;
    StepYearPosition(rec, true);
    rec.month = 1;
    rec.day = 1;
    rec.leap = 0;
    if (ChLDateToJDN(rec, settings) != CHLResult::Found) return false;
    last = rec.jdn - 1;
    return true;
}

} // namespace

int32_t NextDayOfPosition(int32_t day, int position, bool next)
{
    const int here = DayPosition(day);
    const int ahead = ((position - here) % kCyclePositions + kCyclePositions) % kCyclePositions;
    const int behind = (kCyclePositions - ahead) % kCyclePositions;
    return next ? day + ahead : day - behind;
}

SearchOutcome ElementAnimalDaySearch(int32_t day, bool next, const ElementAnimalChoice& choice, int refLongitude)
{
    const int s = next ? 1 : -1;
    for (int i = 1; i <= kCyclePositions; ++i) {
        const int32_t candidate = day + s * i;
        if (choice.MatchesPosition(DayPosition(candidate))) return FoundDay(candidate, refLongitude);
    }
    return RangeRefusal(next); // not reached: every pair recurs within 60 days
}

SearchOutcome TripleCoincidenceSearch(int32_t day, bool next, const CalendarSettings& settings,
                                      const SearchProgress& progress)
{
    const int s = next ? 1 : -1;
    ProgressDots dots(progress, " .", std::string::npos);
    int examined = 0;
    int32_t candidate = day + s;
    // Year by year: within a year only the days of the year's own position can match, 60 days
    // apart; the year's names are read once.
    while (candidate >= kMinJDN && candidate <= kMaxJDN) {
        const CHLDate chl = CHLDateOfDay(candidate, settings);
        int32_t first = 0, last = 0;
        if (chl.valid != 1 || !YearBounds(chl, settings, first, last)) break;
        const ElementAnimal year = YearElementAnimal(chl);
        for (int32_t d = NextDayOfPosition(candidate, chl.position, next); d >= first && d <= last;
             d += s * kCyclePositions) {
            if (examined++ % kDotEvery == 0) dots.Add();
            const ElementAnimal month = MonthElementAnimal(CHLDateOfDay(d, settings));
            if (month.element == year.element && month.animal == year.animal)
                return FoundDay(d, settings.refLongitude);
        }
        candidate = next ? last + 1 : first - 1;
    }
    return RangeRefusal(next);
}

} // namespace orlun
