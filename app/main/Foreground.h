// The text colour of a control, as the main window marks chosen and current items.
#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace orlun::app {

inline void SetForeground(QWidget* w, const QColor& colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

} // namespace orlun::app
