// Where the data window stands: level with the main window's right edge and bottom, from a
// little below its Julian calendar line, or large; never beyond the screen.
#include <QCheckBox>
#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>

#include "app/data/frmData.h"
#include "app/main/ClickableLabel.h"
#include "app/main/frmMain.h"

namespace orlun::app {

namespace {

// Sizes in pixels (1 twip = 1/15 pixel at 96 dpi).
constexpr int kDesignWidth = 660;
constexpr int kBelowJulianLine = 30; // 450 twips
constexpr int kLargeTop = 7;         // 100 twips
constexpr int kMinHeight = 200;      // 3000 twips

} // namespace

void frmData::SetWindowSize()
{
    if (isMinimized() || isMaximized()) return;
    const QScreen* screen = main_.screen() ? main_.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
    double factor = 1.0;
    if (intWindow == DataMode::YearData && chkDisplaySolarTermNames->isChecked()) factor = 1.3;
    else if (intWindow == DataMode::EuroNewYears) factor = 1.1;
    const int width = std::min(static_cast<int>(kDesignWidth * factor), area.width());

    QRect frame;
    if (chkLargeWindow->isChecked()) {
        const QRect mainFrame = main_.frameGeometry();
        frame = QRect(mainFrame.right() - width, area.top() + kLargeTop, width,
                      static_cast<int>(area.height() * 0.9));
    } else if (main_.isMaximized()) {
        int divisor = 3;
        if (intWindow == DataMode::EuroNewYears) divisor = 5;
        else if (intWindow == DataMode::YearData && chkDisplaySolarTermNames->isChecked()) divisor = 6;
        frame = QRect(area.left() + area.width() / divisor, area.top() + area.height() / 4, width,
                      area.height() / 2);
    } else {
        const QRect mainFrame = main_.frameGeometry();
        const int lineTop = main_.lblJulianCalendarDate[1]
                                ? main_.lblJulianCalendarDate[1]->mapTo(&main_, QPoint(0, 0)).y()
                                : 0;
        const int top = main_.geometry().top() + lineTop + kBelowJulianLine;
        frame = QRect(mainFrame.right() + 1 - width, top, width,
                      std::max(kMinHeight, mainFrame.bottom() + 1 - top));
    }
    // Never off the screen: moved in, and cut to it when larger.
    frame.setWidth(std::min(frame.width(), area.width()));
    frame.setHeight(std::min(frame.height(), area.height()));
    frame.moveLeft(std::clamp(frame.left(), area.left(), area.right() + 1 - frame.width()));
    frame.moveTop(std::clamp(frame.top(), area.top(), area.bottom() + 1 - frame.height()));
    resize(frame.size());
    move(frame.topLeft());
}

void frmData::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!isMinimized() && !isMaximized() && event->size().height() < kMinHeight)
        resize(event->size().width(), kMinHeight);
}

} // namespace orlun::app
