// The geometry of a drawn month: the English month's fixed places, or, for a view in a native
// script, cells that hold every day name and note of its language whole in the fonts at hand (so
// that stepping from month to month keeps the size) and a width that holds the title.
#pragma once

#include <QFont>

#include "calendar/monthview/MonthView.h"
#include "draw/MonthLayout.h"

namespace orlun::draw {

MonthGeometry GeometryOf(const MonthView& view, const QFont& base);

} // namespace orlun::draw
