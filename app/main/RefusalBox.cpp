#include "app/main/RefusalBox.h"

#include "app/platform/TranslatedText.h"

namespace orlun::app {

void ShowRefusal(MessageService& messages, QWidget* parent, const Refusal& refusal)
{
    const QString title = refusal.title.empty() ? QString() : TrText(refusal.title);
    const QString text = TrText(refusal.text);
    if (refusal.icon == MessageIcon::Warning) messages.Warning(parent, title, text);
    else messages.Plain(parent, title, text);
}

} // namespace orlun::app
