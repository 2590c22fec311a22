#include "app/platform/TranslatedText.h"

#include <QCoreApplication>

namespace orlun::app {

QString TrText(const std::string& english)
{
    return QCoreApplication::translate(kCalendarTextContext, english.c_str());
}

} // namespace orlun::app
