// The solar targets: solstices, equinoxes and solar terms (always by the true sun), and the dark
// or full moons that fall on the day a solar term, a solstice or an equinox begins.
#pragma once

#include "calendar/astro/SolarTermNames.h"
#include "calendar/core/Settings.h"
#include "calendar/search/SearchOutcome.h"
#include "calendar/search/SearchProgress.h"

namespace orlun {

// Which of the 24 terms of a solar year a search wants: those whose place in the year (0 the
// winter solstice, 6 the vernal equinox, 12 the summer solstice, 18 the autumnal equinox) is
// offset plus a multiple of every.
struct TermPattern {
    int every;
    int offset;
    constexpr bool Matches(int placeInYear) const { return (placeInYear - offset) % every == 0; }
};

inline constexpr int kTermsPerQuarter = 6;
inline constexpr TermPattern kEveryTerm{1, 0};
inline constexpr TermPattern kQuarterTerms{kTermsPerQuarter, 0}; // solstices and equinoxes
inline constexpr TermPattern kWinterSolsticeTerm{kTermsPerYear, 0};
inline constexpr TermPattern kVernalEquinoxTerm{kTermsPerYear, 6};
inline constexpr TermPattern kSummerSolsticeTerm{kTermsPerYear, 12};
inline constexpr TermPattern kAutumnalEquinoxTerm{kTermsPerYear, 18};

// The instant of the next or previous term of the pattern.
MomentOutcome TermSearch(TermPattern wanted, Moment ajd, bool next, Meridian reference);

// At most this many dark or full moons are tried by a coincidence search.
inline constexpr int kMaxCoincidenceCandidates = 1000;
inline constexpr const char* kCoincidenceFailure = "Cannot find required dark moon.";

// The instant of the next or previous moon of the phase (0 dark, 2 full) whose CHS date is the
// first day of a term of the pattern.
MomentOutcome CoincidenceSearch(TermPattern wanted, int phase, Moment ajd, bool next,
                                const CalendarSettings& settings, const SearchProgress& progress);

} // namespace orlun
