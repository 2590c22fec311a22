// Festivals and anniversaries as records for scripts: CSV (RFC 4180, a header row) and one JSON
// document, with the same fields in both (see the manual's festivals section).
#pragma once

#include <string>
#include <vector>

#include "calendar/festivals/LunarEvents.h"
#include "calendar/native/Language.h"

namespace orlun::cli {

// The field names, in the order of the CSV columns.
inline constexpr const char* kEventFields[] = {"start", "end", "days", "jdn", "weekday", "name", "lunar_date", "uid"};

std::string EventsCsv(const std::vector<LunarEvent>& events, Language language);
// {"events": [{"start": "2025-01-29", "end": "2025-01-31", "days": 3, "jdn": 2460705, …}, …]}
std::string EventsJson(const std::vector<LunarEvent>& events, Language language);

} // namespace orlun::cli
