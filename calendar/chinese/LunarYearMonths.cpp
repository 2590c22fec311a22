#include "calendar/chinese/LunarYearMonths.h"

#include "calendar/chinese/CalendarCache.h"
#include "calendar/chinese/ChineseYearRecord.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/core/TimeScales.h"
#include "calendar/western/DatePr2.h"

namespace orlun {

namespace {

// The months from index `first` (a month 1) up to the next month 1 of the structure.
LunarYearMonths MonthsFrom(const YearStructure& ys, int first, int year)
{
    LunarYearMonths result;
    result.year = year;
    for (int k = first; k + 1 < ys.MonthCount; ++k) {
        if (!ys.Month[k].ok()) return {};
        LunarMonth m;
        m.number = ys.Month[k].number;
        m.leap = ys.Month[k].leap;
        if (k > first && m.number == 1 && !m.leap)
            return result;
        m.start = ys.MonthStart[k];
        m.length = static_cast<int>(ys.MonthStart[k + 1] - ys.MonthStart[k]);
        result.months.push_back(m);
    }
    return {};
}

} // namespace

LunarYearMonths LunarYearMonthsOf(int year, const CalendarSettings& settings)
{
    // Built around midsummer of the year, the structure holds the sui before and after that new
    // year and the whole nian that begins with it.
    const DayNumber midsummer = GregorianJDN(year, 7, 1);
    CalendarCache& cache = TheCalendarCache();
    if (cache.Enabled()) {
        if (const ChineseYearRecord* r = cache.Years().Find(midsummer, settings.meridian, cache))
            return LunarYearFromRecord(*r, year);
    }
    const YearStructure ys = BuildYearStructure(settings.meridian.NoonOf(midsummer));
    if (!ys.ok()) return {};
    for (int i = 0; i + 1 < ys.MonthCount; ++i) {
        if (ys.Month[i] == kFirstMonth && GregorianDate(ys.MonthStart[i]).year == year)
            return MonthsFrom(ys, i, year);
    }
    return {};
}

} // namespace orlun
