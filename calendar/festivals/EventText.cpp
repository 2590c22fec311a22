#include "calendar/festivals/EventText.h"

#include "calendar/native/NativeDateText.h"
#include "calendar/western/DatePr2.h"

namespace orlun {

std::string EventDaysText(const LunarEvent& event)
{
    std::string text = DateText(GregorianDate(event.first));
    if (event.days > 1) text.append(" to ").append(DateText(GregorianDate(event.first + (event.days - 1))));
    return text;
}

std::string EventWeekdayText(const LunarEvent& event, Language language)
{
    const auto native = NativeOf(language);
    return native ? WeekdayText(*native, WeekdayNumber(event.first)) : WeekdayNameOfJDN(event.first);
}

std::string EventLines(const std::vector<LunarEvent>& events, Language language)
{
    std::string text;
    for (const LunarEvent& e : events) {
        text.append(EventDaysText(e)).append(" ").append(EventWeekdayText(e, language)).append(" ");
        text.append(e.summary).append(" (").append(e.description).append(")\n");
    }
    return text;
}

} // namespace orlun
