#include "CliEvents.h"

#include <ctime>

#include "calendar/festivals/EventCalendar.h"
#include "calendar/festivals/EventText.h"
#include "EventRecords.h"
#include "names/NameMatch.h"
#include "output/OutputFormats.h"

namespace orlun::cli {

std::vector<std::string> EventFormatNames() { return {"text", "csv", "json", "ics"}; }

EventFormat EventFormatOf(const Options& options)
{
    const auto format = options.Get("format");
    if (!format) return EventFormat::Text;
    // In the order of EventFormatNames.
    constexpr EventFormat kFormats[] = {EventFormat::Text, EventFormat::Csv, EventFormat::Json, EventFormat::ICalendar};
    if (const auto index = FindName(*format, EventFormatNames())) return kFormats[*index];
    throw UsageError{"--format must be text, csv, json or ics, not \"" + *format + "\""};
}

Language LanguageOf(const Options& options)
{
    const auto tag = options.Get("lang");
    if (!tag) return Language::English;
    if (const auto language = LanguageOfTag(*tag)) return *language;
    throw UsageError{"--lang must be one of en, zh-Hans, zh-Hant, vi, ja, not \"" + *tag + "\""};
}

std::string EventsIn(EventFormat format, const std::vector<LunarEvent>& events, Language language)
{
    switch (format) {
    case EventFormat::Text: return EventLines(events, language);
    case EventFormat::Csv: return WholeTable("csv", kEventsTable, EventRecords(events, language));
    case EventFormat::Json: return WholeTable("json", kEventsTable, EventRecords(events, language));
    case EventFormat::ICalendar: return EventCalendar(events, std::time(nullptr));
    }
    return EventLines(events, language);
}

int Emit(const std::string& text, Output& out)
{
    out.Text(text);
    return 0;
}

} // namespace orlun::cli
