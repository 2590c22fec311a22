// The main window's buttons that open other views: the calendar month and the help window, and
// the F1 key.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <algorithm>

#include "app/help/frmHelp.h"
#include "app/main/ClickableLabel.h"
#include "app/main/frmMain.h"
#include "app/month/frmCalendar.h"
#include "app/month/frmMsgNowLoading.h"
#include "calendar/core/TimeScales.h"
#include "calendar/monthview/MonthView.h"

namespace orlun::app {

namespace {

// A window's size with its frame: the frame it has, or before it is first framed, a title bar and
// borders allowed for.
QSize FramedSize(const QWidget& window)
{
    if (window.isVisible() && window.frameGeometry() != window.geometry()) return window.frameGeometry().size();
    constexpr int kBorderAllowance = 4;
    const int titleBar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    return window.size() + QSize(2 * kBorderAllowance, titleBar + 2 * kBorderAllowance);
}

} // namespace

void frmMain::ConnectViews()
{
    connect(cmdDisplayCalendar, &QPushButton::clicked, this, &frmMain::cmdDisplayCalendar_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmMain::cmdHelp_Click);
    connect(cmdFestivals, &QPushButton::clicked, this, &frmMain::cmdFestivals_Click);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this] {
        QWidget* focus = QApplication::focusWidget();
        const bool opens = focus && (focus == txbDate || focus == cmdNow || focus == cmdMove ||
                                     focus == cmdHelp ||
                                     (focus == cmdPauseResume && cmdPauseResume->text() == tr("Resume")));
        if (opens) OpenHelp(SectionOfControl(focus->objectName()));
    });
}

void frmMain::cmdHelp_Click() { OpenHelp(QString()); }

void frmMain::OpenHelp(const QString& section)
{
    if (!frmHelp_) frmHelp_ = new frmHelp(this);
    frmHelp_->ShowSection(section);
    frmHelp_->showNormal();
    frmHelp_->raise();
    frmHelp_->activateWindow();
}

void frmMain::cmdDisplayCalendar_Click()
{
    const auto first = FirstDayOfMonthAt(AJDToCJDC(Moment(dblCurrentAJDate), settings_.meridian), settings_);
    if (!first) {
        platform_.messages->Warning(this, tr("Out of range"),
                                    tr("The lunar month of this date lies outside the years -3000 to 3000."));
        return;
    }
    if (!frmCalendar_) {
        frmMsgNowLoading notice(this);
        notice.move(pos() + fraMove->mapTo(this, QPoint(0, 0)));
        notice.show();
        platform_.events->ProcessEvents();
        auto* window = new frmCalendar(platform_, [this] {
            const MainState state = State();
            return CalendarContext{state.settings, QString::fromStdString(state.texts.chineseLunar.value),
                                   state.showArc, windowIcon(), state.language};
        }, this);
        if (!window->Form_Load(strPicPath)) {
            delete window;
            return;
        }
        connect(window, &frmCalendar::closed, this, [this] {
            showNormal();
            raise();
        });
        frmCalendar_ = window;
    }
    frmCalendar_->lngJDN1stOfMonth = first->value();
    if (frmCalendar_->isMinimized()) frmCalendar_->showNormal();
    // Drawn before it is placed: a native script grows the month, and the place follows the size.
    frmCalendar_->DrawMonth();
    // At the main window's top, against the right edge of the screen, and no lower than lets its
    // frame's bottom stay on the screen (a month grown for a native script is tall at 2x).
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        frmCalendar_->adjustSize();
        const QSize frame = FramedSize(*frmCalendar_);
        frmCalendar_->move(std::max(area.left(), area.right() - frame.width() - 7),
                           std::max(area.top(), std::min(y(), area.bottom() + 1 - frame.height())));
    }
    frmCalendar_->show();
    frmCalendar_->raise();
}

} // namespace orlun::app
