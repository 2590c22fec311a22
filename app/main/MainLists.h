// The fixed items of the main window's lists and the captions made of a country or a meridian, in
// the user's language.
#pragma once

#include <QStringList>
#include <string>

#include "calendar/core/Settings.h"
#include "calendar/navigation/MoveUnits.h"
#include "calendar/search/SearchTargets.h"

namespace orlun::app {

// Move steps; items 14 and 15 name the reference zone, e.g. "ARC month (CCT)".
QStringList MoveStepItems(const QString& zoneCode);
// One move step's item, with the zone code where the unit names it.
QString MoveStepText(MoveUnit unit, const QString& zoneCode);
// Refresh periods of a repeated move, in seconds.
QStringList RefreshPeriodItems();
constexpr int kRefreshPeriodOneSecond = 1;
// Search targets, in list order.
QStringList SearchTargetItems();
QStringList EpochItems();
QStringList MethodItems();

// "Chinese Lunar", "Vietnamese Solar" ...: the captions of the country's two lines.
QString LunarCaptionText(Country country);
QString SolarCaptionText(Country country);
// "Chronological JD 120º East": the caption of the reference meridian's CJD line.
QString CjdcCaptionText(int refLongitude);
// "Year 4723": the year's number under the pictures, from the calculators' text.
QString YearNumberText(const std::string& text);

} // namespace orlun::app
