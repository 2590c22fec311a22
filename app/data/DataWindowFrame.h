// Where the data window stands: level with the main window's right edge and bottom, from a little
// below its Julian calendar line; or tall against the top of the screen ("Large window"); or, by a
// maximized main window, in the screen's middle. Never beyond the screen's free area.
#pragma once

#include <QRect>

#include "app/shared/MainPlacement.h"
#include "calendar/tables/DataMode.h"

namespace orlun::app {

// The window is never made lower than this (3000 twips).
inline constexpr int kDataWindowMinHeight = 200;

struct DataWindowLook {
    DataMode mode = DataMode::YearData;
    bool termNames = false; // the year data shows the solar terms' names: a wider text
    bool large = false;     // "Large window"
    bool native = false;    // the lines end with texts in a native script: a wider text
};

// The data window's frame by the main window placed as given.
QRect DataWindowFrame(const MainPlacement& main, const DataWindowLook& look);

} // namespace orlun::app
