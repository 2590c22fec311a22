#include "app/platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

// The compiled translations are resources of this static library: register them by hand.
static void InitTranslationResources()
{
    Q_INIT_RESOURCE(orlun_app_translations);
    Q_INIT_RESOURCE(orlun_qt_dialogs);
}

namespace orlun::app {

namespace {

// The resource folder qt6_add_translations puts the compiled files in.
const QString kProgramTranslations = QStringLiteral(":/i18n");

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

InstalledTranslations::InstalledTranslations(QCoreApplication& app, Language language) : app_(app)
{
    const QString suffix = TranslationSuffix(language);
    if (suffix.isEmpty()) return;
    InitTranslationResources();
    Install(QStringLiteral("qtbase_") + suffix, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Installed later, asked first: the dialog texts Qt's own files lack or do not have.
    Install(QStringLiteral("qtdialogs_") + suffix, kProgramTranslations);
    ok_ = Install(QStringLiteral("orlun_") + suffix, kProgramTranslations);
}

InstalledTranslations::~InstalledTranslations()
{
    for (const auto& translator : translators_) app_.removeTranslator(translator.get());
}

bool InstalledTranslations::Install(const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder) || !app_.installTranslator(translator.get())) return false;
    translators_.push_back(std::move(translator));
    return true;
}

} // namespace orlun::app
