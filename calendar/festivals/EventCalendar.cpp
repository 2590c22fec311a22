#include "calendar/festivals/EventCalendar.h"

#include "calendar/western/DatePr2.h"
#include "engine/icalendar.h"

namespace orlun {

namespace {

constexpr const char* kProductId = "-//Velmor Systems//Orlun " ORLUN_VERSION "//EN";

IcsDate IcsDateOf(DayNumber jdn)
{
    const WesternDate d = GregorianDate(jdn);
    return {d.year, d.month, d.day};
}

} // namespace

std::string EventCalendar(const std::vector<LunarEvent>& events, std::time_t stamp)
{
    std::vector<AllDayEvent> all;
    all.reserve(events.size());
    for (const LunarEvent& e : events)
        all.push_back({e.uid, IcsDateOf(e.first), IcsDateOf(e.first + e.days), e.summary, e.description});
    return ICalendarText(all, kProductId, stamp);
}

} // namespace orlun
