#include "calendar/festivals/LunarEvents.h"

#include <cstdio>

#include "calendar/core/ChineseYears.h"
#include "calendar/native/NativeDateText.h"
#include "calendar/native/Rokuyo.h"

namespace orlun {

namespace {

constexpr const char* kUidDomain = "@orlun.calendar";

// FNV-1a: a short, stable fingerprint of what identifies an anniversary.
uint64_t Fingerprint(const std::string& text)
{
    uint64_t hash = 1469598103934665603ull;
    for (const unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string Hex(uint64_t value)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

std::string CountryKey(Country country) { return std::string(ProfileOf(country).key); }

// The words before a native lunar date.
std::string LunarPrefix(NativeLanguage language)
{
    switch (language) {
    case NativeLanguage::ChineseSimplified: return "农历";
    case NativeLanguage::ChineseTraditional: return "農曆";
    case NativeLanguage::Vietnamese: return "Âm lịch: ";
    case NativeLanguage::Japanese: return "";
    }
    return "";
}

} // namespace

std::string LunarDateLine(const LunarDay& day, int lunarYear, Language language)
{
    const auto native = NativeOf(language);
    if (!native) return "lunar date " + LunarDayLabel(day);
    std::string line = LunarPrefix(*native);
    line.append(LunarDateText(*native, PositionOfYear(lunarYear), day.month, day.leap, day.day));
    // Japanese calendars give the rokuyō of the day beside its old-calendar date.
    if (*native == NativeLanguage::Japanese)
        if (const auto rokuyo = RokuyoOf(day.month, day.day)) line.append("（").append(RokuyoText(*rokuyo)).append("）");
    return line;
}

std::vector<LunarEvent> FestivalEvents(const FestivalYear& year, Language language, const CalendarSettings& settings)
{
    std::vector<LunarEvent> events;
    for (const FestivalDay& d : year.days) {
        LunarEvent e;
        e.uid = std::string(d.festival->key) + "-" + std::to_string(year.year) + "-" + CountryKey(settings.country) +
                kUidDomain;
        e.first = d.first;
        e.days = d.days;
        e.summary = std::string(FestivalName(*d.festival, language, settings.country));
        e.description = LunarDateLine(d.lunar, year.year, language);
        events.push_back(std::move(e));
    }
    return events;
}

std::vector<LunarEvent> AnniversaryEvents(const Anniversaries& anniversaries, const LunarDay& original,
                                          const std::string& title, Language language,
                                          const CalendarSettings& settings)
{
    // Same title, date and country give the same ids, so a second import updates the first.
    const std::string identity = title + "|" + LunarDayLabel(original) + "|" + CountryKey(settings.country);
    const std::string stem = "anniversary-" + Hex(Fingerprint(identity)) + "-";
    std::vector<LunarEvent> events;
    for (const AnniversaryDay& d : anniversaries.days) {
        LunarEvent e;
        e.uid = stem + std::to_string(d.year) + kUidDomain;
        e.first = d.jdn;
        e.summary = title;
        e.description = LunarDateLine(d.observed, d.year, language);
        events.push_back(std::move(e));
    }
    return events;
}

} // namespace orlun
