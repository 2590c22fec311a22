// The modal message box of the desktop: its lines are never broken in the middle, so a message
// reads as it was written (a long line makes the box wider instead).
#pragma once

#include <QMessageBox>

namespace orlun::app {

// A box with the icon, title, text and buttons; a box without a title of its own bears the
// application title. Not yet shown.
void PrepareMessageBox(QMessageBox& box, QMessageBox::Icon icon, const QString& title,
                       const QString& text, QMessageBox::StandardButtons buttons);

} // namespace orlun::app
