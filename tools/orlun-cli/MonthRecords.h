// The lunar month of orlun-cli calendar as records, one per day in the grid's order, and the label
// a day has in the text form.
#pragma once

#include <string>

#include "calendar/monthview/MonthView.h"
#include "output/Output.h"

namespace orlun::cli {

extern const Table kMonthCellsTable;

// The cell's lunar day as the text form writes it before the CE date: "1" in English; in a native
// language its name and note, as the window's cell shows them ("初一", "15日 仏滅", "1日 先勝 啓蟄").
std::string CellDayLabel(const MonthView& view, const MonthViewCell& cell);

// Each day's row of the grid (0..3, a quarter of the month), its lunar day, its CE date as an ISO
// 8601 text and as the grid shows it, and its ARC date; in the view's native language, its day
// name and note (NativeRecords.h).
void WriteMonthCells(const MonthView& view, Output& out);

} // namespace orlun::cli
