#include "calendar/search/MultipleSearch.h"

#include "calendar/chinese/ChineseDateText.h"
#include "calendar/chinese/ChineseMoves.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/core/CountStep.h"
#include "calendar/core/Limits.h"
#include "calendar/core/TimeScales.h"
#include "calendar/search/LunarSearch.h"
#include "calendar/western/DatePr2.h"

namespace orlun {

namespace {

constexpr int kProgressEvery = 20;
constexpr int kEarthElement = 2;
constexpr int kOxAnimal = 1;

// The new year's day of the record's year, or nullopt at an end of the range.
std::optional<DayNumber> NewYearDay(ChineseLunarDate rec, const CalendarSettings& settings)
{
    rec.month = kFirstMonth;
    rec.day = 1;
    const CHLDay newYear = ChLDateToJDN(rec, settings);
    if (!newYear.found()) return std::nullopt;
    return newYear.day;
}

// From a day of a year that does not match, the first (last) day of the next (previous) matching
// year; nullopt when that lies beyond the range.
std::optional<DayNumber> NextMatchingYear(ChineseLunarDate rec, const ElementAnimalChoice& year, bool next,
                                        const CalendarSettings& settings)
{
    for (int step = 0; step < kCyclePositions; ++step) {
        StepCyclePosition(rec, next);
        if (!year.MatchesPosition(rec.position)) continue;
        if (next) return NewYearDay(rec, settings);
        StepCyclePosition(rec, true);
        const auto following = NewYearDay(rec, settings);
        if (!following) return std::nullopt;
        return *following - 1;
    }
    return std::nullopt;
}

// The day after (before) a candidate: where the day's own names match, the next day with the same
// names is 12, 5 or 60 days on.
DayNumber NextCandidate(DayNumber i, int s, const ElementAnimalChoice& day)
{
    if (!day.Specified() || !day.MatchesPosition(DayPosition(i))) return i + s;
    if (day.HasElement() && day.HasAnimal()) return i + kCyclePositions * s;
    return i + (day.HasAnimal() ? kAnimalCount : kElementCount) * s;
}

bool Passed(DayNumber i, bool next, DayNumber limit) { return next ? i > limit : i < limit; }

std::string Phrase(const MultipleCriteria& c, MultipleRow row, Country country, const char* unit)
{
    const ElementAnimalChoice& choice = c[row];
    if (!choice.Specified()) return "";
    std::string element = choice.HasElement() ? MultipleElementItemText(row, choice.element, choice.animal) : "";
    std::string animal = choice.HasAnimal() ? AnimalName(choice.animal, country) : "";
    return element + "-" + animal + " (" + ChoiceStemBranchText(choice) + ") " + unit;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

} // namespace

bool MultipleCriteria::AnySpecified() const
{
    for (const ElementAnimalChoice& r : rows)
        if (r.Specified()) return true;
    return false;
}

std::array<int, 6> MultipleCriteria::ToIndexes() const
{
    return {rows[0].element, rows[0].animal, rows[1].element, rows[1].animal, rows[2].element, rows[2].animal};
}

MultipleCriteria MultipleCriteria::FromIndexes(const std::array<int, 6>& x)
{
    MultipleCriteria c;
    for (int r = 0; r < kMultipleRowCount; ++r) {
        const int e = x[2 * r], a = x[2 * r + 1];
        c.rows[r].element = e >= 0 && e < kElementCount ? e : kNoElementItem;
        c.rows[r].animal = a >= 0 && a < kAnimalCount ? a : kNoAnimalItem;
    }
    return c;
}

MultipleCriteria SameDayAndMonthCriteria(Moment ajd, const CalendarSettings& settings)
{
    MultipleCriteria c;
    const int day = DayPosition(AJDToCJDC(ajd, settings.meridian).day());
    c[MultipleRow::Day] = {ElementOfPosition(day), AnimalOfPosition(day)};
    const ElementAnimal month = MonthElementAnimal(CHLDateOf(ajd, settings).value_or(ChineseLunarDate{}));
    if (month.element >= 0) c[MultipleRow::Month] = {month.element, month.animal};
    return c;
}

DayNumber MultipleSearchLimit(DayNumber a, bool next, int years, const CalendarSettings& settings)
{
    const DayNumber rangeEnd = next ? kLastSupportedDay : kFirstSupportedDay;
    const int s = next ? 1 : -1;
    DayNumber limit = rangeEnd;
    if (years == 100) {
        limit = a + s * kHundredYearsDays;
    } else if (years >= 1000) {
        limit = a + s * kThousandYearsDays;
    } else {
        std::optional<ChineseLunarDate> rec = CHLDateOfDay(a, settings);
        bool moved = rec.has_value();
        for (int y = 0; y < years && moved; ++y) moved = CHLMoveYear(*rec, next, true, true, settings);
        if (moved) limit = DayOfDate(*rec, settings);
    }
    return next ? std::min(limit, rangeEnd) : std::max(limit, rangeEnd);
}

MultipleResult MultipleElementAnimalSearch(const MultipleCriteria& c, DayNumber a, bool next, DayNumber limit,
                                           const CalendarSettings& settings, const MultipleHooks& hooks)
{
    const int s = next ? 1 : -1;
    const ElementAnimalChoice& dayRow = c[MultipleRow::Day];
    const ElementAnimalChoice& monthRow = c[MultipleRow::Month];
    const ElementAnimalChoice& yearRow = c[MultipleRow::Year];
    DayNumber i = a + s;
    for (int count = 1;; ++count) {
        if (Passed(i, next, limit)) return {MultipleStatus::NotFound, i};
        std::optional<ChineseLunarDate> found = CHLDateOfDay(i, settings);
        if (!found) return {MultipleStatus::NotFound, i};
        ChineseLunarDate chl = *found;
        if (yearRow.Specified() && !yearRow.MatchesPosition(chl.position)) {
            const auto jump = NextMatchingYear(chl, yearRow, next, settings);
            if (!jump || Passed(*jump, next, limit)) return {MultipleStatus::NotFound, jump.value_or(limit)};
            i = *jump;
            chl = CHLDateOfDay(i, settings).value_or(ChineseLunarDate{}); // the month of the day jumped to, which going back is not month 1
        }
        const ElementAnimal month = MonthElementAnimal(chl);
        const bool monthMatches = !monthRow.Specified() || monthRow.Matches(month.element, month.animal);
        const bool dayMatches = !dayRow.Specified() || dayRow.MatchesPosition(DayPosition(i));
        if (monthMatches && dayMatches) return {MultipleStatus::Found, i};
        if (hooks.stopRequested && hooks.stopRequested()) return {MultipleStatus::Stopped, i};
        if (count % kProgressEvery == 0 && hooks.progress) hooks.progress(i);
        i = NextCandidate(i, s, dayRow);
    }
}

std::string MultipleProgressText(DayNumber day, const CalendarSettings& settings)
{
    const ChineseLunarDate chl = CHLDateOfDay(day, settings).value_or(ChineseLunarDate{});
    return "Searching ...    " + CHLDateStr(chl, CHLTextForm::CyclePosition, "CHL", settings.country) + "   " +
           DateText(GregorianDate(day)) + " CE";
}

std::string MultipleNotFoundText(const std::string& withinText, bool fromToday)
{
    return "There is no such day " + withinText + (fromToday ? " of today" : "") + ".";
}

std::string MultipleElementItemText(MultipleRow row, int element, int animal)
{
    const bool named = element >= 0 && element < kElementCount;
    if (row == MultipleRow::Day) return named ? ElementName(element) : "";
    if (!named) return animal == kOxAnimal ? "in an" : "in a";
    return (element == kEarthElement ? "in an " : "in a ") + ElementName(element);
}

std::string MultipleElementAnimalStr(const MultipleCriteria& c, Country country)
{
    std::string text = Phrase(c, MultipleRow::Day, country, "day");
    if (text.empty()) text = "day";
    for (const auto& [row, unit] : {std::pair{MultipleRow::Month, "month"}, std::pair{MultipleRow::Year, "year"}}) {
        const std::string phrase = Phrase(c, row, country, unit);
        if (phrase.empty()) continue;
        text += (phrase[0] == '-' ? " in a " : " ") + phrase;
    }
    ReplaceAll(text, "a -ox", "an -ox");
    return text;
}

} // namespace orlun
