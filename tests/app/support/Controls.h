// A window's controls as the tests reach them: by their object names, the names the windows give
// every control. A name that finds nothing ends the test program at once, naming the control.
#pragma once

#include <QLabel>
#include <QWidget>
#include <QtGlobal>

namespace orlun::test {

template <class T = QWidget>
T* ControlOf(const QWidget& window, const QString& name)
{
    T* control = window.findChild<T*>(name);
    if (!control) qFatal("no control %s of the type asked for in %s", qPrintable(name), qPrintable(window.objectName()));
    return control;
}

// The value label (index 1) of a display line, "lblCommonEraDate" -> "lblCommonEraDate_1".
inline QLabel* LineValue(const QWidget& window, const QString& line)
{
    return ControlOf<QLabel>(window, line + "_1");
}

} // namespace orlun::test
