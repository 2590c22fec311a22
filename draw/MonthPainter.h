// The calendar month drawn with a painter: red background, the two yellow captions, and a cell
// per day with its Moon picture, lunar day number, CE text (underlined at weekends), in a native
// script the day's note (term, rokuyō) and, when asked, ARC text; today's cell in a black box. The month window paints its canvas with it and
// orlun-cli draws its image with it, so both show the same pixels.
#pragma once

#include <QFont>
#include <QImage>

#include "calendar/monthview/MonthView.h"
#include "draw/DayPictures.h"

class QPainter;

namespace orlun::draw {

struct MonthDrawing {
    const MonthView& view;
    bool showArc = false;
    const DayPictures& pictures;
    QFont font; // the base font; the captions and texts take their sizes from it
};

// Paints the month onto an area of its geometry's size (GeometryOf; kMonthSize in English) whose
// top left corner is the painter's origin.
void PaintMonth(QPainter& painter, const MonthDrawing& month);

// Whether a cell shows its Moon picture: a day of a month in range that has its picture.
bool MoonShown(const MonthView& view, int cell, const DayPictures& pictures);

// The month as an image of its geometry's size at the device pixel ratio, transparent where nothing
// is painted, as a grab of the window's canvas gives it.
QImage DrawMonthImage(const MonthDrawing& month, qreal devicePixelRatio);

} // namespace orlun::draw
