#include "app/month/MonthCanvas.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace orlun::app {

namespace {

// Geometry in (device-independent) pixels: Qt scales it on a high-density screen.
constexpr int kGridLeft = 20, kGridTop = 80, kCellWidth = 110, kCellHeight = 122;
constexpr int kPictureSize = 48, kPictureLeft = 16, kPictureTop = 2;
// Today's box reaches from 10 left of its cell to 90 right and from 4 above to 118 below, drawn
// with a 2-pixel pen; the canvas holds the box of a last-row cell whole.
constexpr int kTodayBoxBottom = 118, kTodayPen = 2;
constexpr int kCanvasWidth = kGridLeft + kCellWidth * kGridColumns - 10;
constexpr int kCanvasHeight = kGridTop + kCellHeight * (kGridRows - 1) + kTodayBoxBottom + 2 * kTodayPen;

QPoint CellOrigin(int cell)
{
    return {kGridLeft + kCellWidth * CellColumn(cell), kGridTop + kCellHeight * CellRow(cell)};
}

QLabel* Caption(QWidget* parent, const char* name, int top)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(10, top, kCanvasWidth - 20, 26);
    QFont font = label->font();
    font.setPointSize(11);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet("QLabel { background: rgb(198, 0, 0); color: rgb(255, 255, 0); }");
    return label;
}

void PrintAt(QPainter& painter, const QPoint& at, const QString& text)
{
    painter.drawText(QRect(at, QSize(kCellWidth + 4, 40)), Qt::AlignLeft | Qt::AlignTop, text);
}

} // namespace

MonthCanvas::MonthCanvas(QWidget* parent) : QWidget(parent)
{
    setObjectName("picCalendar");
    setFixedSize(kCanvasWidth, kCanvasHeight);
    lblTitle = Caption(this, "lblTitle", 10);
    lblYearAndMonth = Caption(this, "lblYearAndMonth", 42);
    for (int i = 0; i < kGridCells; ++i) {
        imgMoon[i] = new QLabel(this);
        imgMoon[i]->setObjectName(QString("imgMoon%1").arg(i));
        imgMoon[i]->setGeometry(QRect(CellOrigin(i) + QPoint(kPictureLeft, kPictureTop),
                                      QSize(kPictureSize, kPictureSize)));
        imgMoon[i]->setAttribute(Qt::WA_TranslucentBackground);
        imgMoon[i]->hide();
    }
}

bool MonthCanvas::LoadPictures(const QString& folder, QString& failed)
{
    for (int i = 0; i < kGridCells; ++i) {
        if (!CellVisible(i, 30)) continue; // cells 7 and 23 never show a day
        const QString path = folder + QString("day%1.gif").arg(PictureNumberOfCell(i));
        const QPixmap picture(path);
        if (picture.isNull()) {
            failed = path;
            return false;
        }
        imgMoon[i]->setPixmap(picture);
    }
    return true;
}

void MonthCanvas::SetMonth(const MonthView& view, bool showArc)
{
    view_ = view;
    showArc_ = showArc;
    lblTitle->setText(QString::fromStdString(view.title));
    lblYearAndMonth->setText(QString::fromStdString(view.yearAndMonth));
    for (int i = 0; i < kGridCells; ++i)
        imgMoon[i]->setVisible(view.ok() && CellVisible(i, view.length) && imgMoon[i]->pixmap().width() > 0);
    update();
}

void MonthCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kCalendarRed);
    QFont dayFont = font();
    dayFont.setPointSize(18);
    QFont textFont = font();
    textFont.setPointSize(10);
    textFont.setBold(false);
    for (const MonthViewCell& c : view_.cells) {
        const QPoint at = CellOrigin(c.cell);
        if (c.today) {
            painter.setPen(QPen(Qt::black, kTodayPen));
            painter.drawRect(QRect(at + QPoint(-10, -4), at + QPoint(90, kTodayBoxBottom)));
        }
        painter.setPen(kCalendarYellow);
        painter.setFont(dayFont);
        PrintAt(painter, at + QPoint(22, 52), QString::fromStdString(c.dayText));
        QFont ce = textFont;
        ce.setUnderline(c.weekend);
        painter.setFont(ce);
        PrintAt(painter, at + QPoint(-4, 80), QString::fromStdString(c.ceText));
        if (showArc_) {
            painter.setFont(textFont);
            PrintAt(painter, at + QPoint(-4, 94), QString::fromStdString(c.arcText));
        }
    }
}

} // namespace orlun::app
