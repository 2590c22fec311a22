#include "CliEvents.h"

#include <cstdio>
#include <ctime>

#include "calendar/native/NativeDateText.h"
#include "calendar/western/DatePr2.h"
#include "engine/icalendar.h"
#include "io/CheckedWrite.h"

namespace orlun::cli {

namespace {

constexpr const char* kProductId = "-//Velmor Systems//Orlun " ORLUN_VERSION "//EN";
constexpr int kExitUnwritten = 3;

IcsDate IcsDateOf(int32_t jdn)
{
    const WesternDate d = GregorianDate(DayNumber(jdn));
    return {d.year, d.month, d.day};
}

std::string WeekdayIn(int32_t jdn, Language language)
{
    const auto native = NativeOf(language);
    return native ? WeekdayText(*native, WeekdayNumber(DayNumber(jdn))) : WeekdayNameOfJDN(DayNumber(jdn));
}

} // namespace

EventFormat EventFormatOf(const Options& options)
{
    const auto format = options.Get("format");
    if (!format || *format == "text") return EventFormat::Text;
    if (*format == "ics") return EventFormat::ICalendar;
    throw UsageError{"--format must be text or ics, not \"" + *format + "\""};
}

Language LanguageOf(const Options& options)
{
    const auto tag = options.Get("lang");
    if (!tag) return Language::English;
    if (const auto language = LanguageOfTag(*tag)) return *language;
    throw UsageError{"--lang must be one of en, zh-Hans, zh-Hant, vi, ja, not \"" + *tag + "\""};
}

std::string EventLines(const std::vector<LunarEvent>& events, Language language)
{
    std::string text;
    for (const LunarEvent& e : events) {
        text.append(DateText(GregorianDate(DayNumber(e.first))));
        if (e.days > 1) text.append(" to ").append(DateText(GregorianDate(DayNumber(e.first + e.days - 1))));
        text.append(" ").append(WeekdayIn(e.first, language)).append(" ").append(e.summary);
        text.append(" (").append(e.description).append(")\n");
    }
    return text;
}

std::string EventCalendar(const std::vector<LunarEvent>& events)
{
    std::vector<AllDayEvent> all;
    for (const LunarEvent& e : events)
        all.push_back({e.uid, IcsDateOf(e.first), IcsDateOf(e.first + e.days), e.summary, e.description});
    return ICalendarText(all, kProductId, std::time(nullptr));
}

int Emit(const std::string& text, const Options& options)
{
    const auto file = options.Get("output");
    if (!file) {
        std::fputs(text.c_str(), stdout);
        return 0;
    }
    if (const auto failure = io::ReplaceFileContents(*file, text)) {
        std::fprintf(stderr, "orlun-cli: %s\n", io::Describe(*failure).c_str());
        return kExitUnwritten;
    }
    return 0;
}

} // namespace orlun::cli
