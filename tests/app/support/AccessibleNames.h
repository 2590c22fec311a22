// What a screen reader would say of a window's controls: every control the user can work with
// must have a name, and not its object name (a name the user never sees).
#pragma once

#include <QStringList>

class QWidget;

namespace orlun::test {

// The name a screen reader says for the control. (Qt 6.4 on Linux gives a drop-down list its
// shown item as its accessible name and its label by relation; the list's own name is the one
// set for it, else its buddy label's text.)
QString SpokenName(QWidget* control);

// One line per control of the window (shown or hidden) that has no accessible name, whose name
// is its object name, or whose name is not its caption or its buddy label's text when it has
// one. Controls inside another control (a list's scroll bars) are that control's parts.
QStringList UnnamedControls(const QWidget& window);

} // namespace orlun::test
