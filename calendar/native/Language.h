// The languages dates can be written in: English with pinyin (the program's own texts) and the
// four native scripts of the calendar's users.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace orlun {

enum class Language { English, ChineseSimplified, ChineseTraditional, Vietnamese, Japanese };

inline constexpr std::array kLanguages = {Language::English, Language::ChineseSimplified,
                                          Language::ChineseTraditional, Language::Vietnamese,
                                          Language::Japanese};

// The four in which the native-script texts are written.
enum class NativeLanguage { ChineseSimplified, ChineseTraditional, Vietnamese, Japanese };

// The BCP 47 tag: "en", "zh-Hans", "zh-Hant", "vi", "ja".
std::string_view TagOf(Language language);
// The language's name in itself: "English", "简体中文", "繁體中文", "Tiếng Việt", "日本語".
std::string_view OwnNameOf(Language language);
// Reads a tag, in any case, with "_" for "-" ("zh_hans"); also "zh-CN"/"zh-SG" as simplified and
// "zh-TW"/"zh-HK"/"zh-MO" as traditional Chinese. nullopt for anything else.
std::optional<Language> LanguageOfTag(std::string_view tag);
// nullopt for English, whose texts are the program's own.
std::optional<NativeLanguage> NativeOf(Language language);

} // namespace orlun
