#include "calendar/monthview/MonthView.h"

#include <cmath>

#include "calendar/arc/ArcCal.h"
#include "calendar/astro/SolarTermNames.h"
#include "calendar/chinese/LunarYearMonths.h"
#include "calendar/chinese/Orlun1.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/core/Limits.h"
#include "calendar/core/TimeScales.h"
#include "calendar/monthview/MonthGrid.h"
#include "calendar/western/DatePr2.h"

namespace orlun {

namespace {

// The lunar month that contains the day: it began in the lunar year of the day's CE year or of
// the year before.
std::optional<LunarMonth> MonthContaining(DayNumber day, const CalendarSettings& settings)
{
    if (day < kFirstSupportedDay || day > kLastSupportedDay) return std::nullopt;
    const int year = GregorianDate(day).year;
    for (int y : {year, year - 1}) {
        if (y < kMinYear - 1 || y > kMaxYear) continue;
        const LunarYearMonths months = LunarYearMonthsOf(y, settings);
        if (!months.ok()) continue;
        for (const LunarMonth& m : months.months)
            if (m.start <= day && day < m.start + m.length) return m;
    }
    return std::nullopt;
}

// A month whose day 1 is firstDay is known.
bool Drawable(DayNumber firstDay, const CalendarSettings& settings)
{
    const auto month = MonthContaining(firstDay, settings);
    return month && month->start == firstDay;
}

std::string FirstLetters(const std::string& name) { return name.substr(0, 3); }

// The solar terms that begin on the month's days, as the CHS dates count them (the settings'
// method): each found term is set on the cell of its day.
void MarkTerms(MonthView& view, const CalendarSettings& settings)
{
    const SolarTermTable table = SolarTermsOf(settings.meridian.MidnightOf(view.firstDay), settings.method);
    if (!IsValid(table)) return;
    for (int i = 0; i < kTermTableSize; ++i) {
        const int64_t day = table.TermDay[i] - view.firstDay; // 0 for day 1
        if (day >= 0 && day < static_cast<int64_t>(view.cells.size())) view.cells[day].term = SolarTermNumberOfIndex(i);
    }
}

} // namespace

std::optional<DayNumber> FirstDayOfMonthAt(LocalTime cjdc, const CalendarSettings& settings)
{
    if (!std::isfinite(cjdc.cjd())) return std::nullopt;
    const auto month = MonthContaining(cjdc.day(), settings);
    // The month of the first admissible days began before them: it cannot be drawn whole.
    if (!month || !Drawable(month->start, settings)) return std::nullopt;
    return month->start;
}

std::string CellDayText(int day) { return std::to_string(day) + (day < 10 ? " " : ""); }

std::string CellCEText(DayNumber jdn)
{
    const WesternDate ce = GregorianDate(jdn);
    return FirstLetters(WeekdayNameOfJDN(jdn)) + " " + FirstLetters(MonthName(ce.month)) + " " +
           std::to_string(ce.day);
}

std::string CellARCText(DayNumber jdn)
{
    const ARCDate arc = JDNToARC(jdn);
    return ARCMonthName(arc.month) + " " + std::to_string(arc.day);
}

std::string YearAndMonthText(DayNumber firstJdn, DayNumber lastJdn)
{
    const WesternDate first = GregorianDate(firstJdn);
    const WesternDate last = GregorianDate(lastJdn);
    const std::string lead = "Common Era year ";
    if (first.year != last.year)
        return lead + std::to_string(first.year) + " (" + MonthName(first.month) + ") - " +
               std::to_string(last.year) + " (" + MonthName(last.month) + ")";
    if (first.month == last.month)
        return lead + std::to_string(first.year) + ", month of " + MonthName(first.month);
    return lead + std::to_string(first.year) + " (" + MonthName(first.month) + "-" +
           MonthName(last.month) + ")";
}

MonthView MonthViewOf(DayNumber firstDay, DayNumber todayJdn, const CalendarSettings& settings)
{
    MonthView view;
    const auto month = MonthContaining(firstDay, settings);
    if (!month || month->start != firstDay) return view;
    view.firstDay = firstDay;
    view.length = month->length;
    // A step goes only to a month that can be drawn: at the ends of the range the button has
    // nowhere to go.
    if (const auto before = MonthContaining(firstDay - 1, settings); before && Drawable(before->start, settings))
        view.previousFirstDay = before->start;
    if (Drawable(firstDay + view.length, settings)) view.nextFirstDay = firstDay + view.length;
    if (const auto chl = LunarDateOfDay(firstDay, settings.epoch, settings.meridian)) {
        view.lunar = *chl;
        view.title = CHLLongStr(*chl, {.dayForm = false}, settings);
    }

    int day = 0;
    for (int cell = 0; cell < kGridCells; ++cell) {
        if (!CellVisible(cell, view.length)) continue;
        ++day;
        MonthViewCell c;
        c.cell = cell;
        c.day = day;
        c.jdn = firstDay + (day - 1);
        c.dayText = CellDayText(day);
        c.ceText = CellCEText(c.jdn);
        c.arcText = CellARCText(c.jdn);
        const int weekday = WeekdayNumber(c.jdn);
        c.weekend = weekday == 0 || weekday == 6;
        c.today = c.jdn == todayJdn;
        view.cells.push_back(c);
    }
    view.yearAndMonth = YearAndMonthText(firstDay, firstDay + (view.length - 1));
    MarkTerms(view, settings);
    return view;
}

} // namespace orlun
