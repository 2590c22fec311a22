#include "app/month/frmCalendar.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/month/DayNames.h"
#include "app/month/MonthCanvas.h"
#include "app/month/SaveFileDialog.h"
#include "app/platform/WindowKeys.h"
#include "calendar/monthview/MonthView.h"
#include "calendar/monthview/NativeMonthView.h"
#include "calendar/western/Clock.h"
#include "draw/MonthImage.h"

namespace orlun::app {

namespace {

QPushButton* Button(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

// The main window's CHL line up to and including "CHL".
QString TitleOf(const QString& chlLine)
{
    const qsizetype at = chlLine.indexOf("CHL");
    return at < 0 ? QCoreApplication::translate("orlun::app::frmCalendar", "Calendar") : chlLine.left(at + 3);
}

} // namespace

frmCalendar::frmCalendar(Platform& platform, std::function<CalendarContext()> context, QWidget* parent)
    : QWidget(parent, Qt::Window), platform_(platform), context_(std::move(context))
{
    setObjectName("frmCalendar");
    setWindowTitle(tr("Calendar"));
    setStyleSheet("QWidget#frmCalendar { background: rgb(198, 0, 0); }");
    canvas_ = new MonthCanvas(this);
    lblTitle = canvas_->lblTitle;
    lblYearAndMonth = canvas_->lblYearAndMonth;
    cmdShowPreviousOrNext[0] = Button(this, "cmdShowPreviousOrNext0", tr("Show previous month"));
    cmdShowPreviousOrNext[1] = Button(this, "cmdShowPreviousOrNext1", tr("Show next month"));
    cmdSaveCalendarImage = Button(this, "cmdSaveCalendarImage", tr("Save as PNG image"));
    cmdClose = Button(this, "cmdClose", tr("Close"));
    CommonDialog1 = &DesktopSaveFileDialog();

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(12, 6, 12, 10);
    for (QPushButton* b : {cmdShowPreviousOrNext[0], cmdShowPreviousOrNext[1], cmdSaveCalendarImage, cmdClose})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(canvas_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdShowPreviousOrNext[0], &QPushButton::clicked, this, [this] { cmdShowPreviousOrNext_Click(0); });
    connect(cmdShowPreviousOrNext[1], &QPushButton::clicked, this, [this] { cmdShowPreviousOrNext_Click(1); });
    connect(cmdSaveCalendarImage, &QPushButton::clicked, this, &frmCalendar::cmdSaveCalendarImage_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmCalendar::cmdClose_Click);
    InstallWindowKeys(*this, {cmdClose, [this] { cmdClose->click(); }});
}

bool frmCalendar::Form_Load(const QString& pictureFolder)
{
    QString failed;
    if (!canvas_->LoadPictures(pictureFolder, failed)) {
        platform_.messages->Warning(this, tr("Calendar"),
                                    tr("The picture file %1 cannot be read. Please reinstall Orlun.").arg(failed));
        return false;
    }
    blnFormLoaded = true;
    return true;
}

void frmCalendar::DrawMonth()
{
    const CalendarContext context = context_();
    setWindowTitle(TitleOf(context.chlLine));
    if (!context.icon.isNull()) setWindowIcon(context.icon);
    const MonthView view = InLanguage(
        MonthViewOf(DayNumber(lngJDN1stOfMonth), TodayJDN(*platform_.clock), context.settings), context.language);
    canvas_->SetMonth(view, context.showArc);
    canvas_->SetDayNames(DayNames(view, context.settings));
    layout()->activate(); // the window fits a grid that grew for a native script at once
    // At the ends of the computed range there is no month to step to.
    cmdShowPreviousOrNext[0]->setEnabled(view.previousFirstDay.has_value());
    cmdShowPreviousOrNext[1]->setEnabled(view.nextFirstDay.has_value());
    cmdSaveCalendarImage->setEnabled(view.ok());
}

void frmCalendar::cmdShowPreviousOrNext_Click(int index)
{
    const MonthView& shown = canvas_->Month();
    const std::optional<DayNumber> target = index == 0 ? shown.previousFirstDay : shown.nextFirstDay;
    if (!target) return;
    lngJDN1stOfMonth = target->value();
    DrawMonth();
}

void frmCalendar::cmdSaveCalendarImage_Click()
{
    const QString chosen = CommonDialog1->Ask(this, tr("Save image of this calendar month as a PNG file"),
                                              tr("PNG graphics file (*.png)"));
    if (chosen.isEmpty()) return;
    // The grid without the button row, drawn by the window itself; the clipboard is left alone.
    const QImage picture = platform_.capture->Grab(canvas_);
    const draw::MonthImageResult saved = draw::SaveMonthImage(picture, draw::WithPngSuffix(chosen));
    switch (saved.outcome) {
    case draw::MonthImageOutcome::Failed:
        platform_.messages->Plain(
            this, cmdSaveCalendarImage->text(),
            tr("Error when attempting to save image.  Please try again.\n%1\nNothing was saved.").arg(saved.reason));
        break;
    case draw::MonthImageOutcome::Png:
        platform_.messages->Information(this, tr("Save image"),
                                        tr("The image has been saved in the PNG file\n%1").arg(saved.path));
        break;
    case draw::MonthImageOutcome::BmpOnly:
        platform_.messages->Information(
            this, tr("Save image"),
            tr("Save error.  The image has been saved instead in the BMP file\n%1\n%2").arg(saved.path, saved.reason));
        break;
    }
}

void frmCalendar::cmdClose_Click()
{
    hide();
    emit closed();
}

void frmCalendar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && blnFormLoaded) DrawMonth();
}

void frmCalendar::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (blnFormLoaded) DrawMonth();
}

} // namespace orlun::app
