// The names a screen reader gives controls that have no caption of their own: a field is named by
// the label in front of it (set as its buddy), and a control without one by a name of its own.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace orlun::app {

// The label names the field: its buddy, and its text (without "&" marks) as the field's name.
void LabelControl(QLabel& label, QWidget& field);
// A name of the control's own; a drop-down list's reaches the screen reader through
// AccessibleComboBox (Qt 6.4's own interface on Linux would say its shown item).
void NameControl(QWidget& control, const QString& name);

} // namespace orlun::app
