// Festivals and anniversaries as records for scripts: the "events" table that the CSV and JSON
// formats write with the same fields (see the manual's festivals section).
#pragma once

#include <string>
#include <vector>

#include "calendar/festivals/LunarEvents.h"
#include "calendar/native/Language.h"
#include "output/Record.h"

namespace orlun::cli {

// start, end, days, jdn, weekday, name, lunar_date, uid: the order of the CSV columns.
extern const Table kEventsTable;

// {"start": "2025-01-29", "end": "2025-01-31", "days": 3, "jdn": 2460705, …}
std::vector<Record> EventRecords(const std::vector<LunarEvent>& events, Language language);

} // namespace orlun::cli
