// The saved working state of the main window: the file "orlun.usr", 79 lines of one value each,
// ended by carriage return and line feed.
//
//  1 the current moment (AJD)          27-72 the 46 zone codes of 100..145 E, in double quotes
//  2 the current calendar (row)        73    the longitude list index of the country's meridian
//  3-5 forward, plus, next (-1 / 0)    74-79 element and animal list indexes of the three rows
//  6-8 move step, search target and          of the multiple element-animal search
//      refresh period list indexes
//  9 method index, 10 epoch year
// 11-23 the 13 log check boxes (0 / 1)
// 24-26 show ARC, show CJDs, auto log (0 / 1)
#pragma once

#include <array>
#include <optional>
#include <string>

#include "calendar/core/CalendarRows.h"
#include "calendar/core/MoveUnit.h"
#include "calendar/core/SearchTarget.h"
#include "calendar/core/Settings.h"
#include "calendar/core/ZoneCodes.h"

namespace orlun {

inline constexpr int kSavedStateLines = 79;
inline constexpr const char* kSavedStateFileName = "orlun.usr";
inline constexpr const char* kSavedStateFolderName = "Velmor_Systems";

struct SavedState {
    Moment currentAJD;
    CalendarRow calendar = kRowCHL;
    bool forward = true;
    bool plus = true;
    bool next = true;
    MoveUnit moveStep = kDefaultMoveUnit;
    SearchTarget target = kDefaultSearchTarget;
    int refreshPeriod = 1;
    TermMethod method = TermMethod::TrueSun;
    int epoch = -2696;
    std::array<bool, 13> log{};     // in the file's order, chkVerbose first
    bool showARC = true;
    bool showCJDs = false;
    bool autoLog = false;
    ZoneCodeTable zoneCodes{};
    Country country = kDefaultCountryRow.country; // line 73 reads back as CountryOfMeridian
    std::array<int, 6> multiple{5, 12, 5, 12, 5, 12}; // element, animal of rows 0, 1, 2
};

// The 79 lines, each ended by CR LF. The moment is written so that it reads back to the same double.
std::string FormatSavedState(const SavedState& state);

// Reads and checks the whole text first: nullopt when a line is missing, not a number, or holds a
// value that no list accepts (or the text is implausibly large). Nothing is half read.
std::optional<SavedState> ParseSavedState(const std::string& text);

} // namespace orlun
