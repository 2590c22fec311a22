// Tab goes through a window's controls as its layout shows them: row by row, top to bottom, left
// to right (a grid row by row, a panel's controls before the next panel's), not in the order the
// controls happened to be made.
#pragma once

class QWidget;

namespace orlun::app {

// Sets the Tab order of the controls the window's layout holds, the controls of its panels and of
// a scroll area's page included.
void TabInLayoutOrder(QWidget& window);

} // namespace orlun::app
