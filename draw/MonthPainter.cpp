#include "draw/MonthPainter.h"

#include <QPainter>

#include "calendar/monthview/MonthGrid.h"
#include "draw/MonthLayout.h"

namespace orlun::draw {

namespace {

QFont Sized(const QFont& base, int points, bool bold)
{
    QFont font = base;
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

// A text from its top left corner, clipped to a cell's width.
void PrintAt(QPainter& painter, const QPoint& at, const std::string& text)
{
    painter.drawText(QRect(at, QSize(kCellWidth + 4, 40)), Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(text));
}

void PaintCell(QPainter& painter, const MonthViewCell& c, bool showArc, const QFont& dayFont, const QFont& textFont)
{
    if (c.today) {
        painter.setPen(QPen(Qt::black, kTodayPen));
        painter.drawRect(TodayBox(c.cell));
    }
    painter.setPen(kCalendarYellow);
    painter.setFont(dayFont);
    PrintAt(painter, DayTextAt(c.cell), c.dayText);
    QFont ce = textFont;
    ce.setUnderline(c.weekend);
    painter.setFont(ce);
    PrintAt(painter, CETextAt(c.cell), c.ceText);
    if (showArc) {
        painter.setFont(textFont);
        PrintAt(painter, ARCTextAt(c.cell), c.arcText);
    }
}

// A caption on one line, left and vertically centred in its box and clipped to it.
void PaintCaption(QPainter& painter, const QRect& box, const std::string& text)
{
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextForceLeftToRight, QString::fromStdString(text));
}

// A picture at the left of its box, centred vertically, and cut to the box, as a label shows it:
// on a high-density device it is first scaled smoothly to the device's pixels.
void PaintPicture(QPainter& painter, const QRect& box, const QPixmap& picture)
{
    const QRect placed(QPoint(box.left(), box.top() + (box.height() - picture.height()) / 2), picture.size());
    const QRect shown = placed.intersected(box);
    const qreal ratio = painter.device()->devicePixelRatio();
    QPixmap scaled = picture.scaled(picture.size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    const QRect source = shown.translated(-placed.topLeft());
    painter.drawPixmap(shown.topLeft(), scaled, QRect(source.topLeft() * ratio, source.size() * ratio));
}

} // namespace

bool MoonShown(const MonthView& view, int cell, const DayPictures& pictures)
{
    return view.ok() && CellVisible(cell, view.length) && !pictures.Of(cell).isNull();
}

void PaintMonth(QPainter& painter, const MonthDrawing& month)
{
    painter.fillRect(QRect(QPoint(0, 0), kMonthSize), kCalendarRed);
    const QFont dayFont = Sized(month.font, kDayPoints, month.font.bold());
    const QFont textFont = Sized(month.font, kTextPoints, false);
    for (const MonthViewCell& c : month.view.cells) PaintCell(painter, c, month.showArc, dayFont, textFont);

    // The captions and pictures lie over the cells, as the window's labels did.
    painter.setPen(kCalendarYellow);
    painter.setFont(Sized(month.font, kCaptionPoints, true));
    PaintCaption(painter, kTitleBox, month.view.title);
    PaintCaption(painter, kYearAndMonthBox, month.view.yearAndMonth);
    for (int i = 0; i < kGridCells; ++i)
        if (MoonShown(month.view, i, month.pictures)) PaintPicture(painter, PictureBox(i), month.pictures.Of(i));
}

QImage DrawMonthImage(const MonthDrawing& month, qreal devicePixelRatio)
{
    QImage image(kMonthSize * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintMonth(painter, month);
    return image;
}

} // namespace orlun::draw
