#include "calendar/search/LunarSearch.h"

#include "calendar/chinese/ChineseDateText.h"
#include "calendar/chinese/ChineseMoves.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/core/CalendarRows.h"
#include "calendar/core/TimeScales.h"

namespace orlun {

namespace {

constexpr int kMaxMonthSteps = 2 * kCyclePositions; // every month position recurs within 60 months
constexpr int kMaxYearSteps = kCyclePositions;

// Month 1, day 1 (not leap) of the record's year, converted; false when the conversion fails.
bool NewYearOf(CHLDate& rec, const CalendarSettings& settings, int& code)
{
    rec.month = 1;
    rec.day = 1;
    rec.leap = 0;
    code = static_cast<int>(ChLDateToJDN(rec, settings));
    return code == static_cast<int>(CHLResult::Found);
}

SearchOutcome IntercalaryInability(bool next)
{
    return Refused(kInabilityTitle, std::string("Unable to ") + (next ? "add a" : "subtract a") + " intercalary month.",
                   MessageIcon::Warning);
}

} // namespace

CHLDate CHLDateOf(double ajd, const CalendarSettings& settings)
{
    CHSDate chs;
    chs.valid = kCHSNotWanted;
    CHLDate chl;
    CJDateToChDates(AJDToCJDC(ajd, settings.refLongitude), settings.epoch, settings.refLongitude, chs, chl);
    return chl;
}

CHLDate CHLDateOfDay(int32_t day, const CalendarSettings& settings)
{
    return CHLDateOf(CJDCToAJD(NoonOf(day), settings.refLongitude), settings);
}

void StepYearPosition(CHLDate& rec, bool next)
{
    rec.position += next ? 1 : -1;
    if (rec.position > kCyclePositions) {
        rec.position = 1;
        ++rec.cycle;
    } else if (rec.position < 1) {
        rec.position = kCyclePositions;
        --rec.cycle;
    }
}

SearchOutcome LunarNewYearSearch(const CHLDate& start, bool next, const CalendarSettings& settings)
{
    if (start.valid != 1) return Refused("", kLunarDateInvalid, MessageIcon::None);
    CHLDate rec = start;
    const bool newYearsDay = rec.month == 1 && rec.day == 1 && rec.leap == 0;
    if (next || newYearsDay) StepYearPosition(rec, next);
    int code = 0;
    if (!NewYearOf(rec, settings, code))
        return Refused(kSearchTitle,
                       "Error " + std::to_string(code) + " in search process when converting lunar date to JDN.",
                       MessageIcon::Warning);
    return FoundDay(rec.jdn, settings.refLongitude);
}

SearchOutcome ElementAnimalMonthSearch(const CHLDate& start, bool next, const ElementAnimalChoice& choice,
                                       const CalendarSettings& settings, const SearchProgress& progress)
{
    if (start.valid != 1) return Refused("", kLunarDateInvalid, MessageIcon::None);
    CHLDate rec = start;
    rec.day = 1;
    ProgressDots dots(progress, " .", std::string::npos);
    for (int counter = 0; counter < kMaxMonthSteps; ++counter) {
        if (counter % 2 == 0) dots.Add();
        if (!CHLMoveMonth(rec, next, false, settings)) return RangeRefusal(next);
        const ElementAnimal names = MonthElementAnimal(rec);
        if (choice.Matches(names.element, names.animal)) return FoundDay(rec.jdn, settings.refLongitude);
    }
    return RangeRefusal(next);
}

SearchOutcome ElementAnimalYearSearch(const CHLDate& start, bool next, const ElementAnimalChoice& choice,
                                      const CalendarSettings& settings)
{
    if (start.valid != 1) return Refused("", kLunarDateInvalid, MessageIcon::None);
    CHLDate rec = start;
    for (int step = 0; step < kMaxYearSteps; ++step) {
        StepYearPosition(rec, next);
        if (!choice.MatchesPosition(rec.position)) continue;
        int code = 0;
        if (!NewYearOf(rec, settings, code)) return RangeRefusal(next);
        return FoundDay(rec.jdn, settings.refLongitude);
    }
    return RangeRefusal(next);
}

SearchOutcome IntercalaryMonthSearch(const CHLDate& start, bool next, bool keep30,
                                     const CalendarSettings& settings)
{
    if (start.valid != 1) return Refused("", kLunarDateInvalid, MessageIcon::None);
    CHLDate rec = start;
    rec.day = 1;
    // A leap month comes at least every few years; a step that fails has met an end of the range,
    // and that ends the search rather than trying the same step for ever.
    do {
        if (!CHLMoveMonth(rec, next, keep30, settings)) return IntercalaryInability(next);
    } while (rec.leap != 1);
    SearchOutcome found = FoundDay(rec.jdn, settings.refLongitude);
    found.calendar = kRowCHL;
    return found;
}

} // namespace orlun
