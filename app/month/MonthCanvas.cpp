#include "app/month/MonthCanvas.h"

#include <QLabel>
#include <QPainter>

#include "draw/MonthGeometry.h"
#include "draw/MonthPainter.h"

namespace orlun::app {

namespace {

// A label whose content the canvas paints: it holds the text or place for those who read the
// window's controls, and draws nothing over the canvas.
class PaintedByCanvas final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {}
};

QLabel* Placed(QWidget* parent, const QString& name, const QRect& box)
{
    auto* label = new PaintedByCanvas(parent);
    label->setObjectName(name);
    label->setGeometry(box);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace

MonthCanvas::MonthCanvas(QWidget* parent) : QWidget(parent)
{
    setObjectName("picCalendar");
    lblTitle = Placed(this, "lblTitle", draw::kTitleBox);
    lblYearAndMonth = Placed(this, "lblYearAndMonth", draw::kYearAndMonthBox);
    setAccessibleName(tr("Days of the month"));
    for (int i = 0; i < kGridCells; ++i) {
        lblDay[i] = Placed(this, QString("lblDay%1").arg(i), draw::TodayBox(i));
        lblDay[i]->hide();
        imgMoon[i] = Placed(this, QString("imgMoon%1").arg(i), draw::PictureBox(i));
        imgMoon[i]->hide();
    }
    PlaceParts(draw::kEnglishGeometry);
}

void MonthCanvas::PlaceParts(const draw::MonthGeometry& geometry)
{
    setFixedSize(geometry.Size());
    lblTitle->setGeometry(geometry.TitleBox());
    lblYearAndMonth->setGeometry(geometry.YearAndMonthBox());
    for (int i = 0; i < kGridCells; ++i) {
        lblDay[i]->setGeometry(geometry.TodayBox(i));
        imgMoon[i]->setGeometry(geometry.PictureBox(i));
    }
}

bool MonthCanvas::LoadPictures(const QString& folder, QString& failed)
{
    return pictures_.Load(folder, failed);
}

void MonthCanvas::SetMonth(const MonthView& view, bool showArc)
{
    view_ = view;
    showArc_ = showArc;
    PlaceParts(draw::GeometryOf(view, font()));
    lblTitle->setText(QString::fromStdString(view.title));
    lblYearAndMonth->setText(QString::fromStdString(view.yearAndMonth));
    for (int i = 0; i < kGridCells; ++i) imgMoon[i]->setVisible(draw::MoonShown(view, i, pictures_));
    setAccessibleDescription(lblTitle->text());
    update();
}

void MonthCanvas::SetDayNames(const std::array<QString, kGridCells>& names)
{
    for (int i = 0; i < kGridCells; ++i) {
        lblDay[i]->setAccessibleName(names[i]);
        lblDay[i]->setVisible(!names[i].isEmpty());
        const int day = LunarDayOfCell(i);
        imgMoon[i]->setAccessibleName(tr("Moon"));
        imgMoon[i]->setAccessibleDescription(tr("The Moon on lunar day %1").arg(day));
    }
}

void MonthCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    draw::PaintMonth(painter, {view_, showArc_, pictures_, font()});
}

} // namespace orlun::app
