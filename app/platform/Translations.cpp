#include "app/platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <vector>

// The compiled translations are resources of this static library: register them by hand.
static void InitTranslationResources() { Q_INIT_RESOURCE(orlun_app_translations); }

namespace orlun::app {

namespace {

// The resource folder qt6_add_translations puts the compiled files in.
const QString kProgramTranslations = QStringLiteral(":/i18n");

std::vector<std::unique_ptr<QTranslator>>& Installed()
{
    static std::vector<std::unique_ptr<QTranslator>> installed;
    return installed;
}

bool Install(QCoreApplication& app, const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder) || !app.installTranslator(translator.get())) return false;
    Installed().push_back(std::move(translator));
    return true;
}

} // namespace

QString TranslationSuffix(Language language)
{
    switch (language) {
    case Language::ChineseSimplified: return QStringLiteral("zh_CN");
    case Language::ChineseTraditional: return QStringLiteral("zh_TW");
    case Language::Vietnamese: return QStringLiteral("vi");
    case Language::Japanese: return QStringLiteral("ja");
    case Language::English: break;
    }
    return {};
}

bool InstallTranslations(QCoreApplication& app, Language language)
{
    const QString suffix = TranslationSuffix(language);
    if (suffix.isEmpty()) return true;
    InitTranslationResources();
    Install(app, QStringLiteral("qtbase_") + suffix, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return Install(app, QStringLiteral("orlun_") + suffix, kProgramTranslations);
}

void RemoveTranslations(QCoreApplication& app)
{
    for (const auto& translator : Installed()) app.removeTranslator(translator.get());
    Installed().clear();
}

} // namespace orlun::app
