// Where the parts of the drawn month go, in device-independent pixels (a high-density screen
// scales them): the two captions, and per cell its Moon picture, day number and texts. The
// English month has the fixed places below; a month in a native script takes the larger cells
// its texts need (MonthGeometry.h).
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "calendar/monthview/MonthGrid.h"

namespace orlun::draw {

inline const QColor kCalendarRed{198, 0, 0};
inline const QColor kCalendarYellow{255, 255, 0};

inline constexpr int kGridLeft = 20, kGridTop = 80, kCellWidth = 110, kCellHeight = 122;
inline constexpr int kPictureSize = 48, kPictureLeft = 16, kPictureTop = 2;
// Today's box reaches from 10 left of its cell to 90 right and from 4 above to 118 below, drawn
// with a 2-pixel pen; the month holds the box of a last-row cell whole.
inline constexpr int kTodayBoxBottom = 118, kTodayPen = 2;
// The texts' offsets in a cell: the day number, the CE and ARC lines (all from the cell's top);
// the texts under the picture start a little left of the cell.
inline constexpr int kDayTextLeft = 22, kDayTextTop = 52, kCETextTop = 80, kARCTextTop = 94, kTextLeft = -4;
inline constexpr int kCaptionPoints = 11, kDayPoints = 18, kTextPoints = 10;

// The sizes that vary with the texts; the defaults are the English month's.
struct MonthGeometry {
    int cellWidth = kCellWidth;
    int cellHeight = kCellHeight;
    int dayTextLeft = kDayTextLeft; // the day number's left, from the cell's left
    int ceTop = kCETextTop;
    int noteTop = 0; // the note line (term, rokuyō) of a native script; 0 when there is none
    int arcTop = kARCTextTop;
    int todayBoxBottom = kTodayBoxBottom;
    int width = kGridLeft + kCellWidth * kGridColumns - 10; // at least the grid's; wider for a long title

    constexpr QSize Size() const
    {
        return {width, kGridTop + cellHeight * (kGridRows - 1) + todayBoxBottom + 2 * kTodayPen};
    }
    constexpr QPoint CellOrigin(int cell) const
    {
        return {kGridLeft + cellWidth * CellColumn(cell), kGridTop + cellHeight * CellRow(cell)};
    }
    constexpr QRect PictureBox(int cell) const
    {
        return {CellOrigin(cell) + QPoint(kPictureLeft, kPictureTop), QSize(kPictureSize, kPictureSize)};
    }
    // 10 left of the cell to 20 short of the next one (90 in a cell of 110).
    constexpr QRect TodayBox(int cell) const
    {
        return {CellOrigin(cell) + QPoint(-10, -4), CellOrigin(cell) + QPoint(cellWidth - 20, todayBoxBottom)};
    }
    // The captions: the month's title, then its Common Era years and months.
    constexpr QRect TitleBox() const { return {10, 10, width - 20, 26}; }
    constexpr QRect YearAndMonthBox() const { return {10, 42, width - 20, 26}; }
    // The top left corners of a cell's texts.
    constexpr QPoint DayTextAt(int cell) const { return CellOrigin(cell) + QPoint(dayTextLeft, kDayTextTop); }
    constexpr QPoint CETextAt(int cell) const { return CellOrigin(cell) + QPoint(kTextLeft, ceTop); }
    constexpr QPoint NoteTextAt(int cell) const { return CellOrigin(cell) + QPoint(kTextLeft, noteTop); }
    constexpr QPoint ARCTextAt(int cell) const { return CellOrigin(cell) + QPoint(kTextLeft, arcTop); }
};

// A native day name of the width stands centred under the picture, as far as the cell's texts
// reach left: its left from the cell's left.
constexpr int NativeDayTextLeft(int width)
{
    const int centred = kPictureLeft + kPictureSize / 2 - width / 2;
    return centred > kTextLeft ? centred : kTextLeft;
}

inline constexpr MonthGeometry kEnglishGeometry{};
inline constexpr int kMonthWidth = kEnglishGeometry.width;
inline constexpr QSize kMonthSize = kEnglishGeometry.Size();
inline constexpr QRect kTitleBox = kEnglishGeometry.TitleBox();
inline constexpr QRect kYearAndMonthBox = kEnglishGeometry.YearAndMonthBox();

constexpr QPoint CellOrigin(int cell) { return kEnglishGeometry.CellOrigin(cell); }
constexpr QRect PictureBox(int cell) { return kEnglishGeometry.PictureBox(cell); }
constexpr QRect TodayBox(int cell) { return kEnglishGeometry.TodayBox(cell); }
constexpr QPoint DayTextAt(int cell) { return kEnglishGeometry.DayTextAt(cell); }
constexpr QPoint CETextAt(int cell) { return kEnglishGeometry.CETextAt(cell); }
constexpr QPoint ARCTextAt(int cell) { return kEnglishGeometry.ARCTextAt(cell); }

static_assert(kMonthSize == QSize(890, 80 + 122 * 3 + 118 + 4));
static_assert(TodayBox(0) == QRect(QPoint(10, 76), QPoint(110, 198)));

} // namespace orlun::draw
