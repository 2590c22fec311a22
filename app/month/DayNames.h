// What a screen reader says of each day of the month grid: its Common Era date, its lunar date
// and the solar term and festivals that fall on it, in the month's language.
#pragma once

#include <QString>
#include <array>

#include "calendar/core/Settings.h"
#include "calendar/monthview/MonthGrid.h"
#include "calendar/monthview/MonthView.h"

namespace orlun::app {

// By cell (MonthGrid.h); empty for a cell that shows no day. "2013-02-10, lunar date 01-01, Spring
// Festival"; "2013-02-18, lunar date 01-09, Rain water".
std::array<QString, kGridCells> DayNames(const MonthView& view, const CalendarSettings& settings);

} // namespace orlun::app
