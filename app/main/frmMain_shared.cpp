// What the main window hands the windows it opens: one value with its moment, its calendar, its
// settings, the texts on show and where it stands, built whenever they ask.
#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>

#include "app/main/ClickableLabel.h"
#include "app/main/frmMain.h"

namespace orlun::app {

namespace {

// The free area assumed when no screen is known (the window not yet on one).
const QRect kFallbackScreenArea(0, 0, 1280, 1024);

} // namespace

MainState frmMain::State() const
{
    MainState state;
    state.moment = dblCurrentAJDate;
    state.calendar = static_cast<CalendarRow>(intCalendar);
    state.settings = settings_;
    state.texts = texts_;
    state.showArc = chkShowARC && chkShowARC->isChecked();
    state.language = CurrentLanguage();
    state.initializing = blnInitializing;
    state.placement = Placement();
    return state;
}

MainPlacement frmMain::Placement() const
{
    MainPlacement placement;
    placement.frame = frameGeometry();
    placement.maximized = isMaximized();
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    placement.screenArea = screen ? screen->availableGeometry() : kFallbackScreenArea;
    const ClickableLabel* julian = lblJulianCalendarDate[1];
    placement.julianLineTop = geometry().top() + (julian ? julian->mapTo(this, QPoint(0, 0)).y() : 0);
    return placement;
}

} // namespace orlun::app
