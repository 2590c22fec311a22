#include "app/platform/ControlNames.h"

#include <QComboBox>
#include <QLabel>

#include "app/platform/AccessibleComboBox.h"

namespace orlun::app {

namespace {

QString WithoutMnemonic(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove('&');
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

} // namespace

void LabelControl(QLabel& label, QWidget& field)
{
    label.setBuddy(&field);
    NameControl(field, WithoutMnemonic(label.text()));
}

void NameControl(QWidget& control, const QString& name)
{
    control.setAccessibleName(name);
    // The name reaches the screen reader through our interface of drop-down lists.
    if (qobject_cast<QComboBox*>(&control)) InstallAccessibleComboBoxes();
}

} // namespace orlun::app
