#include "calendar/search/LunarSearch.h"

#include "calendar/chinese/ChineseDateText.h"
#include "calendar/chinese/ChineseMoves.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/core/CalendarRows.h"
#include "calendar/core/CountStep.h"
#include "calendar/navigation/MoveRefusal.h"
#include "calendar/core/TimeScales.h"

namespace orlun {

namespace {

constexpr int kMaxMonthSteps = 2 * kCyclePositions; // every month position recurs within 60 months
constexpr int kMaxYearSteps = kCyclePositions;

// Month 1, day 1 (not leap) of the date's year, converted.
CHLDay NewYearOf(ChineseLunarDate& rec, const CalendarSettings& settings)
{
    rec.month = kFirstMonth;
    rec.day = 1;
    return ChLDateToJDN(rec, settings);
}

MomentOutcome IntercalaryInability(bool next)
{
    return Refused(kInabilityTitle, std::string("Unable to ") + (next ? "add a" : "subtract a") + " intercalary month.",
                   MessageIcon::Warning);
}

} // namespace

std::optional<ChineseLunarDate> CHLDateOf(Moment ajd, const CalendarSettings& settings)
{
    const auto dates = CJDateToChDates(AJDToCJDC(ajd, settings.meridian), settings.epoch);
    return dates ? dates->lunar : std::nullopt;
}

DayNumber DayOfDate(const ChineseLunarDate& date, const CalendarSettings& settings)
{
    return ChLDateToJDN(date, settings).day;
}

std::optional<ChineseLunarDate> CHLDateOfDay(DayNumber day, const CalendarSettings& settings)
{
    return CHLDateOf(CJDCToAJD(settings.meridian.NoonOf(day)), settings);
}

MomentOutcome LunarNewYearSearch(const std::optional<ChineseLunarDate>& start, bool next, const CalendarSettings& settings)
{
    if (!start) return Refused("", kLunarDateInvalid, MessageIcon::None);
    ChineseLunarDate rec = *start;
    const bool newYearsDay = rec.month == kFirstMonth && rec.day == 1;
    if (next || newYearsDay) StepCyclePosition(rec, next);
    const CHLDay newYear = NewYearOf(rec, settings);
    if (!newYear.found())
        return Refused(kSearchTitle,
                       "Error " + std::to_string(static_cast<int>(newYear.result)) +
                           " in search process when converting lunar date to JDN.",
                       MessageIcon::Warning);
    return FoundDay(newYear.day, settings.meridian);
}

MomentOutcome ElementAnimalMonthSearch(const std::optional<ChineseLunarDate>& start, bool next, const ElementAnimalChoice& choice,
                                       const CalendarSettings& settings, const SearchProgress& progress)
{
    if (!start) return Refused("", kLunarDateInvalid, MessageIcon::None);
    ChineseLunarDate rec = *start;
    rec.day = 1;
    ProgressDots dots(progress, " .", std::string::npos);
    for (int counter = 0; counter < kMaxMonthSteps; ++counter) {
        if (counter % 2 == 0) dots.Add();
        if (!CHLMoveMonth(rec, next, false, settings)) return RangeRefusal(next);
        const ElementAnimal names = MonthElementAnimal(rec);
        if (choice.Matches(names.element, names.animal)) return FoundDay(DayOfDate(rec, settings), settings.meridian);
    }
    return RangeRefusal(next);
}

MomentOutcome ElementAnimalYearSearch(const std::optional<ChineseLunarDate>& start, bool next, const ElementAnimalChoice& choice,
                                      const CalendarSettings& settings)
{
    if (!start) return Refused("", kLunarDateInvalid, MessageIcon::None);
    ChineseLunarDate rec = *start;
    for (int step = 0; step < kMaxYearSteps; ++step) {
        StepCyclePosition(rec, next);
        if (!choice.MatchesPosition(rec.position)) continue;
        const CHLDay newYear = NewYearOf(rec, settings);
        if (!newYear.found()) return RangeRefusal(next);
        return FoundDay(newYear.day, settings.meridian);
    }
    return RangeRefusal(next);
}

MomentOutcome IntercalaryMonthSearch(const std::optional<ChineseLunarDate>& start, bool next, bool keep30,
                                     const CalendarSettings& settings)
{
    if (!start) return Refused("", kLunarDateInvalid, MessageIcon::None);
    ChineseLunarDate rec = *start;
    rec.day = 1;
    // A leap month comes at least every few years; a step that fails has met an end of the range,
    // and that ends the search rather than trying the same step for ever.
    do {
        if (!CHLMoveMonth(rec, next, keep30, settings)) return IntercalaryInability(next);
    } while (!rec.month.leap);
    return FoundDay(DayOfDate(rec, settings), settings.meridian, kRowCHL);
}

} // namespace orlun
