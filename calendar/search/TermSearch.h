// The solar targets: solstices, equinoxes and solar terms (always by the true sun), and the dark
// or full moons that fall on the day a solar term, a solstice or an equinox begins.
#pragma once

#include "calendar/core/SearchTarget.h"
#include "calendar/core/Settings.h"
#include "calendar/search/SearchOutcome.h"
#include "calendar/search/SearchProgress.h"

namespace orlun {

// Items "Winter solstice" .. "Solar term": the instant of the next or previous such term.
SearchOutcome TermSearch(SearchTarget target, double ajd, bool next, int refLongitude);

// At most this many dark or full moons are tried by a coincidence search.
inline constexpr int kMaxCoincidenceCandidates = 1000;
inline constexpr const char* kCoincidenceFailure = "Cannot find required dark moon.";

// Items "Solar term + dark moon" .. "Solstice/equinox + full moon": the instant of the next or
// previous dark (full) moon whose CHS date is the first day of a term of the kind wanted.
SearchOutcome CoincidenceSearch(SearchTarget target, double ajd, bool next, const CalendarSettings& settings,
                                const SearchProgress& progress);

} // namespace orlun
