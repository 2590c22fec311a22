// The lunar month of orlun-cli calendar as records: one per day of the month, in the grid's order.
#pragma once

#include <optional>

#include "NativeRecords.h"
#include "calendar/monthview/MonthView.h"
#include "output/Output.h"

namespace orlun::cli {

extern const Table kMonthCellsTable;

// Each day's row of the grid (0..3, a quarter of the month), its lunar day, its CE date as an ISO
// 8601 text and as the grid shows it, and its ARC date; with a native language, its native name
// and rokuyō (NativeRecords.h).
void WriteMonthCells(const MonthView& view, const std::optional<NativeMonth>& native, Output& out);

} // namespace orlun::cli
