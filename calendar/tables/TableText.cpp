#include "calendar/tables/TableText.h"

#include "calendar/western/DatePr2.h"

namespace orlun {

WesternDate EuroDate(DayNumber jdn, bool julian)
{
    return JDNToDate(jdn, julian ? WesternCalendar::Julian : WesternCalendar::Gregorian);
}

std::string SettingsNote(const CalendarSettings& s, const std::string& separator)
{
    return EpochMethod(s, false) + separator + "longitude" + SignedText(s.meridian.degreesEast()) +
           "\u00BA E, " + CountryName(s.country);
}

} // namespace orlun
