#include "support/AccessibleNames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <functional>

namespace orlun::test {

namespace {

bool IsControl(const QWidget* w)
{
    if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
        qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
        qobject_cast<const QAbstractSlider*>(w))
        return true;
    // Text boxes and lists, and anything else the keyboard can reach.
    if (qobject_cast<const QAbstractScrollArea*>(w)) return w->focusPolicy() != Qt::NoFocus;
    return (w->focusPolicy() & Qt::TabFocus) != 0;
}

// Part of a control of its own (inside a combo box, a spin box, a scroll area).
bool IsPartOfControl(const QWidget* w, const QWidget& window)
{
    for (const QWidget* p = w->parentWidget(); p && p != &window; p = p->parentWidget())
        if (IsControl(p)) return true;
    return false;
}

QString WithoutMnemonic(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove('&');
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

// The text the user sees for the control: its caption or its buddy label's; empty when none.
QString VisibleName(const QWidget* w, const QWidget& window)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        if (!button->text().isEmpty()) return WithoutMnemonic(button->text());
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy() == w) return WithoutMnemonic(label->text());
    return {};
}

bool IsControlRole(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::PageTabList:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown: return true;
    default: return false;
    }
}

bool IsPicture(QAccessibleInterface& face)
{
    if (face.role() == QAccessible::Graphic) return true;
    const QString name = face.object() ? face.object()->objectName() : QString();
    return name.startsWith("pic") || name.startsWith("img");
}

// Visits the shown items; a control's own parts (a list's rows, a scroll bar) are the control's.
void Walk(QAccessibleInterface* face, const std::function<void(QAccessibleInterface&)>& visit)
{
    if (!face || !face->isValid() || face->state().invisible) return;
    visit(*face);
    if (IsControlRole(face->role()) || face->role() == QAccessible::ScrollBar) return;
    for (int i = 0; i < face->childCount(); ++i) Walk(face->child(i), visit);
}

} // namespace

QStringList UnnamedItems(QWidget& window)
{
    QStringList faults;
    Walk(QAccessible::queryAccessibleInterface(&window), [&](QAccessibleInterface& face) {
        if (!IsControlRole(face.role()) && !IsPicture(face)) return;
        if (!face.text(QAccessible::Name).trimmed().isEmpty()) return;
        const QObject* o = face.object();
        faults << QString("%1 (%2): no name").arg(o ? o->objectName() : QString(), o ? o->metaObject()->className() : "");
    });
    return faults;
}

QStringList ItemNames(QWidget& widget, const QString& prefix)
{
    QStringList names;
    Walk(QAccessible::queryAccessibleInterface(&widget), [&](QAccessibleInterface& face) {
        if (face.object() && face.object()->objectName().startsWith(prefix)) names << face.text(QAccessible::Name);
    });
    return names;
}

QString SpokenName(QWidget* control)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name) : QString();
}

QStringList UnnamedControls(const QWidget& window)
{
    QStringList faults;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->window() != &window || !IsControl(w) || IsPartOfControl(w, window)) continue;
        const QString name = SpokenName(w);
        const QString id = QString("%1 (%2)").arg(w->objectName(), w->metaObject()->className());
        const QString visible = VisibleName(w, window);
        if (name.trimmed().isEmpty()) faults << id + ": no name";
        else if (name == w->objectName()) faults << id + ": named by its object name";
        else if (!visible.isEmpty() && name != visible)
            faults << id + ": named \"" + name + "\", shown as \"" + visible + "\"";
    }
    return faults;
}

} // namespace orlun::test
