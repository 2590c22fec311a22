// The user's choice of language, kept in the settings store: English, one of the four native
// languages, or "System" (the default: the system locale's language when it is one of the four,
// English under any other locale).
// It names the language of the windows and of the dates written in a native script.
#pragma once

#include <QLocale>
#include <QString>
#include <optional>

#include "calendar/native/Language.h"

namespace orlun::app {

class SettingsStore;

struct LanguageChoice {
    std::optional<Language> language; // nullopt: follow the system
    bool operator==(const LanguageChoice&) const = default;
};

// The choices in the order of the window's list: English, the four in their own names, "System".
inline constexpr int kLanguageChoiceCount = 6;
LanguageChoice LanguageChoiceAt(int index);
int IndexOfLanguageChoice(LanguageChoice choice);
// "English", "简体中文", "繁體中文", "Tiếng Việt", "日本語", "System".
QString LanguageChoiceText(LanguageChoice choice);

// The stored choice; "System" when none is stored, English when the stored text names none.
LanguageChoice RestoreLanguageChoice(SettingsStore& store);
// Stores the choice as its tag ("en", "zh-Hans", "zh-Hant", "vi", "ja", "System"); true on success.
bool SaveLanguageChoice(SettingsStore& store, LanguageChoice choice);

// The language the choice stands for under the system locale: the locale's when "System" is
// chosen and it is one of the four, English otherwise.
Language EffectiveLanguage(LanguageChoice choice, const QLocale& system);

} // namespace orlun::app
