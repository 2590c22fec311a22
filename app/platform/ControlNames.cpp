#include "app/platform/ControlNames.h"

#include <QComboBox>
#include <QLabel>

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
    if (qobject_cast<QComboBox*>(&control)) control.setAccessibleDescription(name);
}

} // namespace orlun::app
