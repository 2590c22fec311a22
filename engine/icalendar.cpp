#include "engine/icalendar.h"

#include <libical/ical.h>

#include <memory>
#include <new>

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

struct ComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

// libical answers a failed allocation with a null pointer: memory that ran out is std::bad_alloc
// here, as anywhere else in the program.
template <typename T>
T* Made(T* made)
{
    if (!made) throw std::bad_alloc();
    return made;
}

Component NewComponent(icalcomponent_kind kind) { return Component(Made(icalcomponent_new(kind))); }

void Add(const Component& component, icalproperty* property) { icalcomponent_add_property(component.get(), Made(property)); }

Component EventComponent(const AllDayEvent& e, std::time_t stamp)
{
    Component event = NewComponent(ICAL_VEVENT_COMPONENT);
    Add(event, icalproperty_new_uid(e.uid.c_str()));
    Add(event, icalproperty_new_dtstamp(icaltime_from_timet_with_zone(stamp, 0, icaltimezone_get_utc_timezone())));
    Add(event, icalproperty_new_dtstart(DateValue(e.start)));
    Add(event, icalproperty_new_dtend(DateValue(e.end)));
    Add(event, icalproperty_new_summary(e.summary.c_str()));
    if (!e.description.empty()) Add(event, icalproperty_new_description(e.description.c_str()));
    // An all-day observance does not make its day busy.
    Add(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return event;
}

struct BufferFree {
    void operator()(char* text) const { icalmemory_free_buffer(text); }
};

// A component's text as libical writes it (escaped, folded, CRLF).
std::string TextOf(const Component& component)
{
    const std::unique_ptr<char, BufferFree> text(Made(icalcomponent_as_ical_string_r(component.get())));
    return std::string(text.get());
}

} // namespace

std::string ICalendarText(const std::vector<AllDayEvent>& events, std::string_view productId, std::time_t stamp)
{
    // libical keeps its error number in memory of its own, claimed at first use and written
    // unchecked when an allocation fails: it is claimed now, while there is memory.
    icalerror_clear_errno();
    const std::string prodid(productId);
    const Component calendar = NewComponent(ICAL_VCALENDAR_COMPONENT);
    Add(calendar, icalproperty_new_version("2.0"));
    Add(calendar, icalproperty_new_prodid(prodid.c_str()));
    Add(calendar, icalproperty_new_calscale("GREGORIAN"));
    // The events are written one at a time into the calendar's text, before its END line, as
    // libical would write them inside it: a long run never makes libical grow one large buffer
    // (it does not survive a failed enlargement).
    std::string text = TextOf(calendar);
    constexpr std::string_view kEnd = "END:VCALENDAR\r\n";
    if (text.size() < kEnd.size() || text.compare(text.size() - kEnd.size(), kEnd.size(), kEnd) != 0) return text;
    text.resize(text.size() - kEnd.size());
    for (const AllDayEvent& e : events) text += TextOf(EventComponent(e, stamp));
    return text.append(kEnd);
}

} // namespace orlun
