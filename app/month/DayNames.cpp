#include "app/month/DayNames.h"

#include <QCoreApplication>
#include <QStringList>

#include "app/platform/StdText.h"
#include "calendar/astro/SolarTermNames.h"
#include "calendar/core/ChineseYears.h"
#include "calendar/festivals/FestivalDates.h"
#include "calendar/festivals/LunarEvents.h"
#include "calendar/native/NativeDateText.h"
#include "calendar/western/DatePr2.h"

namespace orlun::app {

namespace {

// The Common Era year in which the month's lunar year begins: that of its day 1 or the one
// before (a lunar year begins in January or February).
int LunarYearOf(const MonthView& view)
{
    const int year = GregorianDate(DayNumber(view.firstDay)).year;
    return PositionOfYear(year) == view.lunar.position ? year : year - 1;
}

QString TermName(int term, Language language)
{
    if (const auto native = NativeOf(language)) return Q(TermText(*native, term));
    return Q(SolarTermEnglishName(term));
}

} // namespace

std::array<QString, kGridCells> DayNames(const MonthView& view, const CalendarSettings& settings)
{
    std::array<QString, kGridCells> names;
    if (!view.ok()) return names;
    const int lunarYear = LunarYearOf(view);
    const FestivalYear festivals = FestivalsOfLunarYear(lunarYear, settings);
    //: Between the parts of a day's name for a screen reader: its date, lunar date, term, festivals.
    const QString separator = QCoreApplication::translate("orlun::app::DayNames", ", ");
    for (const MonthViewCell& cell : view.cells) {
        if (cell.cell < 0 || cell.cell >= kGridCells) continue;
        QStringList parts{Q(DateText(GregorianDate(DayNumber(cell.jdn))))};
        const LunarDay day{view.lunar.month.number, view.lunar.month.leap, cell.day};
        parts << Q(LunarDateLine(day, lunarYear, view.language));
        if (cell.term != 0) parts << TermName(cell.term, view.language);
        for (const FestivalDay& f : festivals.days)
            if (cell.jdn >= f.first && cell.jdn < f.first + f.days)
                parts << Q(std::string(FestivalName(*f.festival, view.language, settings.country)));
        names[cell.cell] = parts.join(separator);
    }
    return names;
}

} // namespace orlun::app
