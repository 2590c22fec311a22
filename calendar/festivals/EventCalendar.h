// Festivals and anniversaries as an iCalendar document for another calendar program (the format
// is the engine adapter's, engine/icalendar): one all-day event per festival or anniversary.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "calendar/festivals/LunarEvents.h"

namespace orlun {

// The document, every event stamped with `stamp` (UTC).
std::string EventCalendar(const std::vector<LunarEvent>& events, std::time_t stamp);

} // namespace orlun
