// The windows' texts in the user's language: the program's own translations (compiled into it)
// and Qt's for its standard dialogs, installed at start for as long as the value that installed
// them lives. English installs nothing: the sources are the English texts.
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "calendar/native/Language.h"

class QCoreApplication;
class QTranslator;

namespace orlun::app {

// The suffix of the translation files of a language: "zh_CN", "zh_TW", "vi", "ja"; "" for English.
QString TranslationSuffix(Language language);

// Installs the program's translations for the language, Qt's own where the system has them, and
// ours of the Qt dialog texts that Qt's lack (all of them for Vietnamese, for which Qt ships
// none); removes them when destroyed, and the windows then speak English again.
class InstalledTranslations {
public:
    InstalledTranslations(QCoreApplication& app, Language language);
    ~InstalledTranslations();
    InstalledTranslations(const InstalledTranslations&) = delete;
    InstalledTranslations& operator=(const InstalledTranslations&) = delete;

    // Whether the program's translations were found; always true for English.
    bool ok() const { return ok_; }

private:
    bool Install(const QString& name, const QString& folder);

    QCoreApplication& app_;
    std::vector<std::unique_ptr<QTranslator>> translators_;
    bool ok_ = true;
};

} // namespace orlun::app
