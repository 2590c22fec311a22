// What the main window shares with the windows it opens, as one value taken when they need it:
// the moment, the current calendar, the settings, the texts on show and where the window stands.
// The other windows read this, never the main window's controls.
#pragma once

#include "app/shared/MainPlacement.h"
#include "calendar/core/CalendarRows.h"
#include "calendar/core/Settings.h"
#include "calendar/native/Language.h"
#include "calendar/presentation/DisplayModel.h"

namespace orlun::app {

struct MainState {
    double moment = 0;              // AJD (UT)
    CalendarRow calendar = kRowCHL; // the calendar whose line is current
    CalendarSettings settings;
    DisplayTexts texts;             // the texts of the display lines as shown
    bool showArc = true;            // the Zodozizidu Zidevuze lines are shown
    Language language = Language::English; // of the windows and the native-script dates
    bool initializing = false;      // start-up: the display is not yet filled
    MainPlacement placement;
};

} // namespace orlun::app
