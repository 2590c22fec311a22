// Where the parts of the drawn month go, in device-independent pixels (a high-density screen
// scales them): the two captions, and per cell its Moon picture, day number and texts.
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
inline constexpr int kMonthWidth = kGridLeft + kCellWidth * kGridColumns - 10;
inline constexpr int kMonthHeight = kGridTop + kCellHeight * (kGridRows - 1) + kTodayBoxBottom + 2 * kTodayPen;
inline constexpr QSize kMonthSize{kMonthWidth, kMonthHeight};

// The captions: the month's long CHL form, then its Common Era years and months.
inline constexpr QRect kTitleBox{10, 10, kMonthWidth - 20, 26};
inline constexpr QRect kYearAndMonthBox{10, 42, kMonthWidth - 20, 26};
inline constexpr int kCaptionPoints = 11, kDayPoints = 18, kTextPoints = 10;

constexpr QPoint CellOrigin(int cell)
{
    return {kGridLeft + kCellWidth * CellColumn(cell), kGridTop + kCellHeight * CellRow(cell)};
}

constexpr QRect PictureBox(int cell)
{
    return {CellOrigin(cell) + QPoint(kPictureLeft, kPictureTop), QSize(kPictureSize, kPictureSize)};
}

constexpr QRect TodayBox(int cell)
{
    return {CellOrigin(cell) + QPoint(-10, -4), CellOrigin(cell) + QPoint(90, kTodayBoxBottom)};
}

// The top left corners of a cell's texts.
constexpr QPoint DayTextAt(int cell) { return CellOrigin(cell) + QPoint(22, 52); }
constexpr QPoint CETextAt(int cell) { return CellOrigin(cell) + QPoint(-4, 80); }
constexpr QPoint ARCTextAt(int cell) { return CellOrigin(cell) + QPoint(-4, 94); }

} // namespace orlun::draw
