// The year data: the dark moons and solar terms of the three solar years (sui) around a moment,
// each month with its date, time, CJDC, lunation, label and count of major terms, and every
// complete sui and nian classified as short (11 months), normal (12) or long (13).
#pragma once

#include <string>

#include "calendar/core/Settings.h"
#include "calendar/native/Language.h"

namespace orlun {

struct YearDataOptions {
    bool majorTerms = true; // the Zs
    bool minorTerms = true; // the Js
    bool termNames = false; // the Chinese and English names after each term code
    bool julian = false;    // dates in the Julian calendar instead of the Common Era
    // A native language ends the lines of the nian, months and terms with their native names.
    Language language = Language::English;
};

// The window caption of the year data.
inline constexpr const char* kYearDataCaption = "Dates, times and CJDs of dark moons and solar terms";

// The whole text (lines end with CR LF). The months and terms are those of the year structure,
// whose terms follow the true Sun; the heading names the settings' method. A moment without a
// year structure gives the heading alone.
std::string YearDataText(Moment ajd, const YearDataOptions& options, const CalendarSettings& settings);

} // namespace orlun
