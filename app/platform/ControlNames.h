// The names a screen reader gives controls that have no caption of their own: a field is named by
// the label in front of it (set as its buddy), and a control without one by a name of its own.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace orlun::app {

// The label names the field: its buddy, and its text (without "&" marks) as the field's name.
void LabelControl(QLabel& label, QWidget& field);
// A name of the control's own. (Qt 6.4 on Linux gives a drop-down list its shown item as its
// name; the name then reaches the screen reader as the list's description.)
void NameControl(QWidget& control, const QString& name);

} // namespace orlun::app
