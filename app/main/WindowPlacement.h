// Where the main window stood when the program ended, as one text value of the settings store,
// and where it may stand now: on the screen it mostly lay on, moved and cut to fit that screen.
#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <optional>

namespace orlun::app {

// The frame's top-left corner, the size of the window's inside, and whether it was maximized
// (the corner and size are then those it returns to).
struct WindowPlacement {
    QRect geometry;
    bool maximized = false;
};

// "x,y,width,height", followed by ",maximized" for a maximized window.
QString PlacementText(const WindowPlacement& placement);
// The placement of such a text; nullopt for anything else (a size below one pixel, a missing or
// extra field, a number beyond the screen coordinates any desktop uses).
std::optional<WindowPlacement> ParsePlacement(const QString& text);

// The saved geometry on the available areas of the screens there are now: on the one it overlaps
// most, cut to that area's size and moved inside it; nullopt when it overlaps none (its screen is
// gone), so that the window keeps its default place.
std::optional<QRect> FitToScreens(const QRect& saved, const QList<QRect>& screens);

} // namespace orlun::app
