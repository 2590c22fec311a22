// The Moon of each lunar day for the calendar month window (day1.gif .. day32.gif), and the
// program's icon. Picture n belongs to grid cell n - 1 and shows the phase of that cell's day.
#pragma once

#include <QImage>

#include <vector>

#include "picture_set.h"

namespace imagegen {

inline constexpr int kDayPictureSize = 48;
// The calendar window's background, which the disc's soft edge fades into.
inline const QColor kCalendarBackground{198, 0, 0};

// The Moon as it looks `age` days after the dark moon, `size` pixels square, on a transparent
// background.
QImage drawPhaseMoon(double age, int size);

std::vector<NamedPicture> dayPictures();
// "orlun-16.png" .. "orlun-256.png".
std::vector<NamedPicture> iconPictures();

}  // namespace imagegen
