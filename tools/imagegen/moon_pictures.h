// The four Moon pictures the main window masks into every phase.
//
// Geometry the window relies on: 89 x 89 pixels; the window cuts the lit
// pictures with circles centred at (44, 45) radius 44 (waxing, gibbous) and
// (46, 44) radius 46 (waning), so the disc is drawn centred at (44, 44.5)
// with radius 43, inside both. The first quarter is lit right of column 44
// and the last quarter left of it; the dark half is plain background,
// because the window paints the unlit part in the background colour anyway.
// The dark moon sits on the key colour (200, 0, 0), which the window
// replaces by the country colour.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace imagegen {

enum class MoonPicture { DarkMoon, FirstQuarter, FullMoon, LastQuarter };

inline constexpr int kMoonSize = 89;
inline constexpr double kDiscCentreX = 44.0;
inline constexpr double kDiscCentreY = 44.5;
inline constexpr double kDiscRadius = 43.0;
// Column of the disc centre: the quarters' terminator runs through it.
inline constexpr int kTerminatorColumn = 44;

// Background the window keys out of the dark-moon picture.
inline const QColor kDarkMoonKey{200, 0, 0};

// File name stem: "darkmoon", "1stquarter", "fullmoon", "lastquarter".
QString moonStem(MoonPicture picture);

// Draws one picture on `background` (ignored for the dark moon, which always
// uses the key colour).
QImage drawMoon(MoonPicture picture, const QColor& background);

}  // namespace imagegen
