// The fixed items of the main window's lists.
#pragma once

#include <QStringList>

#include "calendar/navigation/MoveUnits.h"
#include "calendar/search/SearchTargets.h"

namespace orlun::app {

// Move steps; items 14 and 15 name the reference zone, e.g. "ARC month (CCT)".
QStringList MoveStepItems(const QString& zoneCode);
// Refresh periods of a repeated move, in seconds.
QStringList RefreshPeriodItems();
constexpr int kRefreshPeriodOneSecond = 1;
// Search targets, in list order.
QStringList SearchTargetItems();
QStringList EpochItems();
QStringList MethodItems();

} // namespace orlun::app
