#include "calendar/tables/TableText.h"

#include "calendar/western/DatePr2.h"

namespace orlun {

WesternDate EuroDate(int32_t jdn, bool julian)
{
    return JDNToDate(DayNumber(jdn), julian ? WesternCalendar::Julian : WesternCalendar::Gregorian);
}

std::string SettingsNote(const CalendarSettings& s, const std::string& separator)
{
    return EpochMethod(s, false) + separator + "longitude" + SignedText(s.refLongitude) +
           "\u00BA E, " + CountryName(s.country);
}

} // namespace orlun
