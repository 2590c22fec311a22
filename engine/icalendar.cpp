#include "engine/icalendar.h"

#include <libical/ical.h>

namespace orlun {

namespace {

icaltimetype DateValue(const IcsDate& d)
{
    icaltimetype t = icaltime_null_date();
    t.year = d.year;
    t.month = d.month;
    t.day = d.day;
    t.is_date = 1;
    return t;
}

icalcomponent* EventComponent(const AllDayEvent& e, std::time_t stamp)
{
    icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(event, icalproperty_new_uid(e.uid.c_str()));
    icalcomponent_add_property(
        event, icalproperty_new_dtstamp(icaltime_from_timet_with_zone(stamp, 0, icaltimezone_get_utc_timezone())));
    icalcomponent_add_property(event, icalproperty_new_dtstart(DateValue(e.start)));
    icalcomponent_add_property(event, icalproperty_new_dtend(DateValue(e.end)));
    icalcomponent_add_property(event, icalproperty_new_summary(e.summary.c_str()));
    if (!e.description.empty())
        icalcomponent_add_property(event, icalproperty_new_description(e.description.c_str()));
    // An all-day observance does not make its day busy.
    icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return event;
}

} // namespace

std::string ICalendarText(const std::vector<AllDayEvent>& events, std::string_view productId, std::time_t stamp)
{
    const std::string prodid(productId);
    icalcomponent* calendar = icalcomponent_new(ICAL_VCALENDAR_COMPONENT);
    icalcomponent_add_property(calendar, icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar, icalproperty_new_prodid(prodid.c_str()));
    icalcomponent_add_property(calendar, icalproperty_new_calscale("GREGORIAN"));
    for (const AllDayEvent& e : events) icalcomponent_add_component(calendar, EventComponent(e, stamp));
    char* text = icalcomponent_as_ical_string_r(calendar);
    std::string result = text ? text : "";
    icalmemory_free_buffer(text);
    icalcomponent_free(calendar);
    return result;
}

} // namespace orlun
