#include "app/platform/TranslatedText.h"

#include <QCoreApplication>

namespace orlun::app {

QString TrText(const std::string& english)
{
    return QCoreApplication::translate(kCalendarTextContext, english.c_str());
}

QString TrTextWithPrefix(const std::string& text, const std::string& prefix)
{
    if (text.compare(0, prefix.size(), prefix) != 0) return TrText(text);
    return TrText(prefix) + QString::fromStdString(text.substr(prefix.size()));
}

} // namespace orlun::app
