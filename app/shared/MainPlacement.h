// Where the main window stands on its screen: what the windows it opens need to place themselves
// beside it, without reading its controls.
#pragma once

#include <QRect>

namespace orlun::app {

struct MainPlacement {
    QRect frame;           // the main window's frame, in screen coordinates
    QRect screenArea;      // the free area of its screen (without panels and docks)
    int julianLineTop = 0; // the top of its Julian calendar line, in screen coordinates
    bool maximized = false;
};

// The frame cut to the area where it is larger, then moved onto it.
QRect KeptWithin(QRect frame, const QRect& area);

} // namespace orlun::app
