#include "EventRecords.h"

#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>

#include "calendar/festivals/EventText.h"
#include "calendar/western/DatePr2.h"

namespace orlun::cli {

namespace {

// ISO 8601 calendar date: four digits at least, a sign before years before 1 (astronomical).
std::string IsoDate(int32_t jdn)
{
    const WesternDate d = GregorianDate(DayNumber(jdn));
    char text[32];
    std::snprintf(text, sizeof text, "%s%04d-%02d-%02d", d.year < 0 ? "-" : "", std::abs(d.year), d.month, d.day);
    return text;
}

// RFC 4180: a field holding a comma, a quote or a line break is quoted, its quotes doubled.
std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

struct EventRecord {
    std::string start, end;
    int days = 1;
    int32_t jdn = 0;
    std::string weekday, name, lunarDate, uid;
};

EventRecord RecordOf(const LunarEvent& e, Language language)
{
    return {IsoDate(e.first), IsoDate(e.first + e.days - 1), e.days, e.first,
            EventWeekdayText(e, language), e.summary, e.description, e.uid};
}

} // namespace

std::string EventsCsv(const std::vector<LunarEvent>& events, Language language)
{
    std::string csv;
    for (const char* field : kEventFields) csv.append(csv.empty() ? "" : ",").append(field);
    csv += "\r\n";
    for (const LunarEvent& e : events) {
        const EventRecord r = RecordOf(e, language);
        csv += r.start + "," + r.end + "," + std::to_string(r.days) + "," + std::to_string(r.jdn) + "," +
               CsvField(r.weekday) + "," + CsvField(r.name) + "," + CsvField(r.lunarDate) + "," + CsvField(r.uid) +
               "\r\n";
    }
    return csv;
}

std::string EventsJson(const std::vector<LunarEvent>& events, Language language)
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const LunarEvent& e : events) {
        const EventRecord r = RecordOf(e, language);
        list.push_back({{"start", r.start},     {"end", r.end},   {"days", r.days},
                        {"jdn", r.jdn},         {"weekday", r.weekday}, {"name", r.name},
                        {"lunar_date", r.lunarDate}, {"uid", r.uid}});
    }
    return nlohmann::ordered_json{{"events", list}}.dump(2) + "\n";
}

} // namespace orlun::cli
