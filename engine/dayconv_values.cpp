#include "engine/dayconv_values.h"

#include "engine/dayconv.h"

namespace orlun {

DayNumber EuroDateToJDN(const WesternDate& date)
{
    WesternDateRecord rec;
    rec.year = date.year;
    rec.month = date.month;
    rec.day = date.day;
    rec.calendar = static_cast<uint16_t>(date.calendar);
    return DayNumber(euro_date_to_jdn(&rec));
}

WesternDate JDNToEuroDate(DayNumber day, WesternCalendar calendar)
{
    WesternDateRecord rec;
    rec.jdn = day.value();
    rec.calendar = static_cast<uint16_t>(calendar);
    jdn_to_euro_date(&rec);
    return {rec.year, rec.month, rec.day, calendar};
}

EuroDateFields EuroDateFromText(const std::string& text, uint16_t calendarLetter)
{
    WesternDateRecord rec;
    EuroDateFields out;
    out.code = str_to_date(text.c_str(), kOrderYearMonthDay, &rec, static_cast<int16_t>(calendarLetter));
    if (out.code == 0) {
        out.year = rec.year;
        out.month = rec.month;
        out.day = rec.day;
    }
    return out;
}

} // namespace orlun
