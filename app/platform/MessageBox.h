// The modal message box of the desktop: its lines are never broken in the middle, so a message
// reads as it was written (a long line makes the box wider instead), and it is wide enough for its
// title.
#pragma once

#include <QMessageBox>

namespace orlun::app {

// A box with the icon, title, text and buttons; a box without a title of its own bears the
// application title. Not yet shown.
void PrepareMessageBox(QMessageBox& box, QMessageBox::Icon icon, const QString& title,
                       const QString& text, QMessageBox::StandardButtons buttons);

// The width a box needs for the desktop's frame to show the whole title beside its icon and
// buttons, estimated from the font of title bars.
int WidthForTitle(const QString& title);

} // namespace orlun::app
