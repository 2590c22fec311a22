// The windows' texts in the user's language: the program's own translations (compiled into it)
// and Qt's for its standard dialogs, installed once at start. English installs nothing: the
// sources are the English texts.
#pragma once

#include <QString>

#include "calendar/native/Language.h"

class QCoreApplication;

namespace orlun::app {

// The suffix of the translation files of a language: "zh_CN", "zh_TW", "vi", "ja"; "" for English.
QString TranslationSuffix(Language language);

// Installs the program's translations for the language and, where the system has them, Qt's own
// (Qt ships none for Vietnamese: its standard dialogs stay English). Returns whether the
// program's translations were found; always true for English.
bool InstallTranslations(QCoreApplication& app, Language language);

// Removes what InstallTranslations installed (the windows then speak English again).
void RemoveTranslations(QCoreApplication& app);

} // namespace orlun::app
