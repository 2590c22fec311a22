// The main window's size: the usual size its controls give it, within the screen's free area,
// and never smaller than its page needs (in the language of this start, once its fonts are
// known), as a window follows its layout. On a screen too small for the page the page scrolls.
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <algorithm>

#include "app/main/frmMain.h"
#include "app/shared/MainPlacement.h"

namespace orlun::app {

namespace {

const QScreen* ScreenOf(const QWidget& window)
{
    const QScreen* screen = QGuiApplication::screenAt(window.geometry().center());
    return screen ? screen : window.screen();
}

// A window manager frames a window a moment after it is shown.
constexpr int kFrameLookMs = 50;

} // namespace

bool frmMain::FrameKnown() const { return isVisible() && frameGeometry() != geometry(); }

QMargins frmMain::FrameMargins() const
{
    const QRect frame = frameGeometry(), inside = geometry();
    if (FrameKnown())
        return {inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
                frame.bottom() - inside.bottom()};
    // Not known before the window manager has framed the window: a title bar and borders are
    // allowed for.
    constexpr int kBorderAllowance = 4;
    return {kBorderAllowance, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + kBorderAllowance,
            kBorderAllowance, kBorderAllowance};
}

QSize frmMain::NeededSize() const
{
    const int around = 2 * scrMain->frameWidth();
    return pgeMain->minimumSizeHint().grownBy(layout()->contentsMargins()) + QSize(around, around);
}

void frmMain::KeepWholeOnScreen()
{
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) return;
    const QScreen* screen = ScreenOf(*this);
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = FrameMargins();
    const QSize room = area.size().shrunkBy(frame);
    QRect inside(geometry().topLeft(), size().expandedTo(NeededSize()).boundedTo(room));
    // Until the frame is known only the inside is kept on the screen: a guessed title bar must not
    // move a window that stood where it was left.
    const QMargins kept = FrameKnown() ? frame : QMargins();
    inside = KeptWithin(inside.marginsAdded(kept), area).marginsRemoved(kept);
    // The inside is placed (not the frame): the window manager puts the frame around it.
    if (inside != geometry()) setGeometry(inside);
}

void frmMain::KeepWholeOnScreenOnceFramed(int looksLeft)
{
    if (FrameKnown() || looksLeft <= 0) {
        KeepWholeOnScreen();
        return;
    }
    QTimer::singleShot(kFrameLookMs, this, [this, looksLeft] { KeepWholeOnScreenOnceFramed(looksLeft - 1); });
}

void frmMain::ResizeWithinScreen(const QSize& wanted)
{
    const QScreen* screen = ScreenOf(*this);
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = FrameMargins();
    resize(wanted.boundedTo(area.size().shrunkBy(frame)));
    const QSize outer = size().grownBy(frame);
    move(std::clamp(x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())),
         std::clamp(y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
}

void frmMain::FitToScreen()
{
    const QScreen* screen = ScreenOf(*this);
    if (!screen) return;
    ResizeWithinScreen(pgeMain->sizeHint().boundedTo(screen->geometry().size() * 2 / 3).expandedTo(NeededSize()));
}

void frmMain::FollowPage()
{
    if (isMaximized() || isFullScreen()) return; // the screen sets the size then
    const QSize needed = NeededSize();
    if (needed.width() > width() || needed.height() > height()) ResizeWithinScreen(size().expandedTo(needed));
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    // The page's layout asks again for its room (its fonts took the screen's, a text grew).
    if (watched == pgeMain && event->type() == QEvent::LayoutRequest && isVisible())
        QMetaObject::invokeMethod(this, &frmMain::FollowPage, Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

} // namespace orlun::app
