// The grid of a lunar month: 32 cells in 4 rows of 8, one row for each quarter of the month.
// Columns 0-6 of every row are used, column 7 only in row 1 (day 15) and, in a 30-day month,
// row 3 (day 30); so the rows hold days 1-7, 8-15, 16-22 and 23-29 (or 23-30).
#pragma once

namespace orlun {

inline constexpr int kGridRows = 4;
inline constexpr int kGridColumns = 8;
inline constexpr int kGridCells = kGridRows * kGridColumns;

constexpr int CellRow(int cell) { return cell / kGridColumns; }
constexpr int CellColumn(int cell) { return cell % kGridColumns; }

// Whether a cell shows a day in a month of monthLength (29 or 30) days.
constexpr bool CellVisible(int cell, int monthLength)
{
    if (cell < 0 || cell >= kGridCells) return false;
    if (CellColumn(cell) < kGridColumns - 1) return true;
    return CellRow(cell) == 1 || (CellRow(cell) == 3 && monthLength == 30);
}

// The lunar day a cell shows when visible (as if the month had 30 days); 0 for cells 7 and 23,
// which never show a day.
constexpr int LunarDayOfCell(int cell)
{
    if (!CellVisible(cell, 30)) return 0;
    int day = 0;
    for (int c = 0; c <= cell; ++c)
        if (CellVisible(c, 30)) ++day;
    return day;
}

static_assert(LunarDayOfCell(0) == 1 && LunarDayOfCell(6) == 7 && LunarDayOfCell(7) == 0);
static_assert(LunarDayOfCell(8) == 8 && LunarDayOfCell(15) == 15 && LunarDayOfCell(16) == 16);
static_assert(LunarDayOfCell(22) == 22 && LunarDayOfCell(23) == 0 && LunarDayOfCell(24) == 23);
static_assert(LunarDayOfCell(30) == 29 && LunarDayOfCell(31) == 30);
static_assert(CellVisible(31, 30) && !CellVisible(31, 29));

// The Moon picture of cell i is picture number i + 1 (day1 .. day32).
constexpr int PictureNumberOfCell(int cell) { return cell + 1; }

} // namespace orlun
