// The main window's size: the usual size its controls give it, within the screen's free area,
// and growing with its page as a window grows with its layout. On a screen too small for the
// usual size the page scrolls.
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <algorithm>

#include "app/main/frmMain.h"

namespace orlun::app {

namespace {

const QScreen* ScreenOf(const QWidget& window)
{
    const QScreen* screen = QGuiApplication::screenAt(window.pos());
    return screen ? screen : window.screen();
}

} // namespace

QSize frmMain::FrameSize() const
{
    if (isVisible() && frameGeometry().size() != size()) return frameGeometry().size() - size();
    // Not known before the window is shown: a title bar and borders are allowed for.
    constexpr int kBorderAllowance = 4;
    return {2 * kBorderAllowance,
            style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + 2 * kBorderAllowance};
}

void frmMain::ResizeWithinScreen(const QSize& wanted)
{
    const QScreen* screen = ScreenOf(*this);
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize frame = FrameSize();
    resize(wanted.boundedTo(area.size() - frame));
    const QSize outer = size() + frame;
    move(std::clamp(x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())),
         std::clamp(y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
}

void frmMain::FitToScreen()
{
    const QScreen* screen = ScreenOf(*this);
    if (!screen) return;
    // The size the window took from its controls before it could scroll.
    pageLeast_ = pgeMain->minimumSizeHint();
    ResizeWithinScreen(pgeMain->sizeHint().boundedTo(screen->geometry().size() * 2 / 3).expandedTo(pageLeast_));
}

void frmMain::FollowPage()
{
    const QSize least = pgeMain->minimumSizeHint();
    const QSize growth = (least - pageLeast_).expandedTo(QSize(0, 0));
    pageLeast_ = least;
    if (isMaximized() || isFullScreen()) return; // the screen sets the size then
    if (growth.width() > 0 || growth.height() > 0) ResizeWithinScreen(size() + growth);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    // The page's layout asks again for its room (its fonts took the screen's, a text grew).
    if (watched == pgeMain && event->type() == QEvent::LayoutRequest && isVisible())
        QMetaObject::invokeMethod(this, &frmMain::FollowPage, Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

} // namespace orlun::app
