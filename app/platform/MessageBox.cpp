#include "app/platform/MessageBox.h"

#include <QLabel>

#include "app/platform/Platform.h"

namespace orlun::app {

void PrepareMessageBox(QMessageBox& box, QMessageBox::Icon icon, const QString& title,
                       const QString& text, QMessageBox::StandardButtons buttons)
{
    box.setIcon(icon);
    box.setWindowTitle(title.isEmpty() ? ApplicationTitle() : title);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setStandardButtons(buttons);
    // The toolkit wraps long lines at a width of its own choosing; the messages carry their own
    // line breaks.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        label->setWordWrap(false);
}

} // namespace orlun::app
