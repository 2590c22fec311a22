#include "EventRecords.h"

#include <cstdio>
#include <cstdlib>

#include "calendar/festivals/EventText.h"
#include "calendar/western/DatePr2.h"

namespace orlun::cli {

namespace {

// ISO 8601 calendar date: four digits at least, a sign before years before 1 (astronomical).
std::string IsoDate(DayNumber jdn)
{
    const WesternDate d = GregorianDate(jdn);
    char text[32];
    std::snprintf(text, sizeof text, "%s%04d-%02d-%02d", d.year < 0 ? "-" : "", std::abs(d.year), d.month, d.day);
    return text;
}

Record RecordOf(const LunarEvent& e, Language language)
{
    return {{IsoDate(e.first), IsoDate(e.first + (e.days - 1)), int64_t{e.days}, int64_t{e.first.value()},
             EventWeekdayText(e, language), e.summary, e.description, e.uid}};
}

} // namespace

const Table kEventsTable{
    "events", {{"start"}, {"end"}, {"days"}, {"jdn"}, {"weekday"}, {"name"}, {"lunar_date"}, {"uid"}}};

std::vector<Record> EventRecords(const std::vector<LunarEvent>& events, Language language)
{
    std::vector<Record> records;
    records.reserve(events.size());
    for (const LunarEvent& e : events) records.push_back(RecordOf(e, language));
    return records;
}

} // namespace orlun::cli
