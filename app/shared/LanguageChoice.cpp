#include "app/shared/LanguageChoice.h"

#include <QCoreApplication>

#include "app/platform/Platform.h"
#include "app/platform/StdText.h"

namespace orlun::app {

namespace {

const QString kSettingsKey = QStringLiteral("\\ORLUN");
const QString kLanguageSetting = QStringLiteral("Language");
const QString kSystemTag = QStringLiteral("System");

// Chinese in the traditional script where the locale says so or its country writes it.
Language ChineseOf(const QLocale& locale)
{
    const bool traditional = locale.script() == QLocale::TraditionalChineseScript ||
                             locale.territory() == QLocale::Taiwan ||
                             locale.territory() == QLocale::HongKong || locale.territory() == QLocale::Macau;
    return traditional ? Language::ChineseTraditional : Language::ChineseSimplified;
}

} // namespace

LanguageChoice LanguageChoiceAt(int index)
{
    if (index >= 0 && index < static_cast<int>(kLanguages.size())) return {kLanguages[index]};
    return {std::nullopt};
}

int IndexOfLanguageChoice(LanguageChoice choice)
{
    for (int i = 0; i < kLanguageChoiceCount; ++i)
        if (LanguageChoiceAt(i) == choice) return i;
    return 0;
}

QString LanguageChoiceText(LanguageChoice choice)
{
    // The tag "System" is stored; the item's text is in the user's language.
    return choice.language ? Q(std::string(OwnNameOf(*choice.language)))
                           : QCoreApplication::translate("orlun::app::LanguageChoice", "System");
}

LanguageChoice RestoreLanguageChoice(SettingsStore& store)
{
    const auto stored = store.Restore(kSettingsKey, kLanguageSetting);
    if (!stored) return {std::nullopt}; // a first start speaks the system's language
    if (*stored == kSystemTag) return {std::nullopt};
    if (const auto language = LanguageOfTag(stored->toStdString())) return {*language};
    return {Language::English};
}

bool SaveLanguageChoice(SettingsStore& store, LanguageChoice choice)
{
    const QString tag = choice.language ? Q(std::string(TagOf(*choice.language))) : kSystemTag;
    return store.Save(kSettingsKey, kLanguageSetting, tag);
}

Language EffectiveLanguage(LanguageChoice choice, const QLocale& system)
{
    if (choice.language) return *choice.language;
    switch (system.language()) {
    case QLocale::Chinese: return ChineseOf(system);
    case QLocale::Vietnamese: return Language::Vietnamese;
    case QLocale::Japanese: return Language::Japanese;
    default: return Language::English;
    }
}

} // namespace orlun::app
