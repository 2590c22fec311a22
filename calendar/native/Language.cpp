#include "calendar/native/Language.h"

#include <string>

#include "calendar/core/TextCase.h"

namespace orlun {

namespace {

struct LanguageRow {
    Language language;
    std::string_view tag;
    std::string_view ownName;
};

constexpr std::array<LanguageRow, kLanguages.size()> kRows = {{
    {Language::English, "en", "English"},
    {Language::ChineseSimplified, "zh-Hans", "简体中文"},
    {Language::ChineseTraditional, "zh-Hant", "繁體中文"},
    {Language::Vietnamese, "vi", "Tiếng Việt"},
    {Language::Japanese, "ja", "日本語"},
}};

// Region tags that name a script by custom.
struct RegionAlias {
    std::string_view tag;
    Language language;
};
constexpr std::array<RegionAlias, 5> kRegionAliases = {{
    {"zh-cn", Language::ChineseSimplified},
    {"zh-sg", Language::ChineseSimplified},
    {"zh-tw", Language::ChineseTraditional},
    {"zh-hk", Language::ChineseTraditional},
    {"zh-mo", Language::ChineseTraditional},
}};

const LanguageRow& RowOf(Language language)
{
    for (const LanguageRow& row : kRows)
        if (row.language == language) return row;
    return kRows[0];
}

std::string Normalised(std::string_view tag)
{
    std::string text = LowerCase(tag);
    for (char& c : text)
        if (c == '_') c = '-';
    return text;
}

} // namespace

std::string_view TagOf(Language language) { return RowOf(language).tag; }

std::string_view OwnNameOf(Language language) { return RowOf(language).ownName; }

std::optional<Language> LanguageOfTag(std::string_view tag)
{
    const std::string wanted = Normalised(tag);
    for (const LanguageRow& row : kRows)
        if (wanted == Normalised(row.tag)) return row.language;
    for (const RegionAlias& alias : kRegionAliases)
        if (wanted == alias.tag) return alias.language;
    return std::nullopt;
}

std::optional<NativeLanguage> NativeOf(Language language)
{
    switch (language) {
    case Language::English: return std::nullopt;
    case Language::ChineseSimplified: return NativeLanguage::ChineseSimplified;
    case Language::ChineseTraditional: return NativeLanguage::ChineseTraditional;
    case Language::Vietnamese: return NativeLanguage::Vietnamese;
    case Language::Japanese: return NativeLanguage::Japanese;
    }
    return std::nullopt;
}

} // namespace orlun
