#include "app/main/RefusalBox.h"

namespace orlun::app {

void ShowRefusal(MessageService& messages, QWidget* parent, const Refusal& refusal)
{
    const QString title = QString::fromStdString(refusal.title);
    const QString text = QString::fromStdString(refusal.text);
    if (refusal.icon == MessageIcon::Warning) messages.Warning(parent, title, text);
    else messages.Plain(parent, title, text);
}

} // namespace orlun::app
