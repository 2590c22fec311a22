#include "draw/MonthPainter.h"

#include <QPainter>

#include "calendar/monthview/MonthGrid.h"
#include "draw/MonthFonts.h"
#include "draw/MonthGeometry.h"

namespace orlun::draw {

namespace {

// A text from its top left corner, clipped to a cell's width.
void PrintAt(QPainter& painter, const QPoint& at, const std::string& text, const MonthGeometry& g)
{
    painter.drawText(QRect(at, QSize(g.cellWidth + 4, 40)), Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(text));
}

// A native day name, centred under the cell's picture.
void PrintDayName(QPainter& painter, int cell, const std::string& text, const MonthGeometry& g)
{
    const QString name = QString::fromStdString(text);
    const QRect box = painter.fontMetrics().boundingRect(QRect(0, 0, g.cellWidth * 2, g.cellHeight),
                                                         Qt::AlignLeft | Qt::AlignTop, name);
    const QPoint at = g.CellOrigin(cell) + QPoint(NativeDayTextLeft(box.width()), kDayTextTop);
    painter.drawText(QRect(at, box.size()), Qt::AlignLeft | Qt::AlignTop, name);
}

void PaintCell(QPainter& painter, const MonthViewCell& c, const MonthDrawing& month, const MonthGeometry& g,
               const MonthFonts& fonts)
{
    if (c.today) {
        painter.setPen(QPen(Qt::black, kTodayPen));
        painter.drawRect(g.TodayBox(c.cell));
    }
    painter.setPen(kCalendarYellow);
    painter.setFont(fonts.day);
    if (month.view.language == Language::English) PrintAt(painter, g.DayTextAt(c.cell), c.dayText, g);
    else PrintDayName(painter, c.cell, c.dayText, g);
    QFont ce = fonts.text;
    ce.setUnderline(c.weekend);
    painter.setFont(ce);
    PrintAt(painter, g.CETextAt(c.cell), c.ceText, g);
    painter.setFont(fonts.text);
    if (g.noteTop != 0 && !c.noteText.empty()) PrintAt(painter, g.NoteTextAt(c.cell), c.noteText, g);
    if (month.showArc) PrintAt(painter, g.ARCTextAt(c.cell), c.arcText, g);
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
    const MonthGeometry g = GeometryOf(month.view, month.font);
    const MonthFonts fonts = MonthFontsOf(month.font, month.view.language);
    painter.fillRect(QRect(QPoint(0, 0), g.Size()), kCalendarRed);
    for (const MonthViewCell& c : month.view.cells) PaintCell(painter, c, month, g, fonts);

    // The captions and pictures lie over the cells, as the window's labels did.
    painter.setPen(kCalendarYellow);
    painter.setFont(fonts.caption);
    PaintCaption(painter, g.TitleBox(), month.view.title);
    PaintCaption(painter, g.YearAndMonthBox(), month.view.yearAndMonth);
    for (int i = 0; i < kGridCells; ++i)
        if (MoonShown(month.view, i, month.pictures)) PaintPicture(painter, g.PictureBox(i), month.pictures.Of(i));
}

QImage DrawMonthImage(const MonthDrawing& month, qreal devicePixelRatio)
{
    QImage image(GeometryOf(month.view, month.font).Size() * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintMonth(painter, month);
    return image;
}

} // namespace orlun::draw
