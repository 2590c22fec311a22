#include "calendar/tables/TableText.h"

#include "calendar/western/DatePr2.h"

namespace orlun {

WesternDateRecord EuroDate(int32_t jdn, bool julian)
{
    WesternDate rec;
    rec.jdn = jdn;
    rec.calendar = julian ? 'J' : 'G';
    JDNToDate(rec);
    return rec;
}

std::string SettingsNote(const CalendarSettings& s, const std::string& separator)
{
    return EpochMethod(s, false) + separator + "longitude" + SignedText(s.refLongitude) +
           "\u00BA E, " + CountryName(s.country);
}

} // namespace orlun
