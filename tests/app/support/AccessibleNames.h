// What a screen reader would say of a window's controls: every control the user can work with
// must have a name, and not its object name (a name the user never sees).
#pragma once

#include <QStringList>

class QWidget;

namespace orlun::test {

// The name a screen reader says for the control, as its accessible interface gives it.
QString SpokenName(QWidget* control);

// One line per control of the window (shown or hidden) that has no accessible name, whose name
// is its object name, or whose name is not its caption or its buddy label's text when it has
// one. Controls inside another control (a list's scroll bars) are that control's parts.
QStringList UnnamedControls(const QWidget& window);

// One line per item of the window's accessibility tree, as a screen reader walks it (shown items
// only), that is a control or a picture and has no name. Pictures are the graphics and the labels
// named "pic…" or "img…" that stand for a painted picture.
QStringList UnnamedItems(QWidget& window);

// The names of the shown items under the widget whose object names begin with the prefix, in
// the order of the accessibility tree.
QStringList ItemNames(QWidget& widget, const QString& prefix);

} // namespace orlun::test
