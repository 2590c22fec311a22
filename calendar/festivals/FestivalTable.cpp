#include "calendar/festivals/FestivalTable.h"

namespace orlun {

namespace {

std::string_view InLanguage(const FestivalNames& names, Language language)
{
    switch (language) {
    case Language::English: return names.english;
    case Language::ChineseSimplified: return names.simplified;
    case Language::ChineseTraditional: return names.traditional;
    case Language::Vietnamese: return names.vietnamese;
    case Language::Japanese: return names.japanese;
    }
    return names.english;
}

Language OwnLanguageOf(Country country)
{
    return LanguageOfTag(ProfileOf(country).ownLanguage).value_or(Language::English);
}

} // namespace

std::span<const Festival> FestivalsOf(Country country) { return ProfileOf(country).festivals; }

std::string_view FestivalName(const Festival& festival, Language language, Country country)
{
    if (language == Language::English) return festival.names.english;
    const std::string_view name = InLanguage(festival.names, language);
    return name.empty() ? InLanguage(festival.names, OwnLanguageOf(country)) : name;
}

} // namespace orlun
