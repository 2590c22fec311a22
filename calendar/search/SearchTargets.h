// One row per search target: its number in the target list and the state file, its list text,
// how the window treats it and the search it runs. Adding a target takes a number in
// core/SearchTarget.h and a row in SearchTargets.cpp.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "calendar/core/Outcome.h"
#include "calendar/core/SearchTarget.h"
#include "calendar/core/Settings.h"
#include "calendar/search/ElementAnimalChoice.h"
#include "calendar/search/SearchProgress.h"

namespace orlun {

struct SearchInputs {
    SearchTarget target = kDefaultSearchTarget;
    bool next = true;
    ElementAnimalChoice choice; // the element and animal lists
    bool keep30 = false;        // "keep 30th" visible and checked
};

// What one search starts from.
struct SearchStart {
    Moment ajd;
    DayNumber today; // the day at the reference meridian
    const SearchInputs& inputs;
    const CalendarSettings& settings;
    const SearchProgress& progress;
};

using SearchFunction = MomentOutcome (*)(const SearchStart& start);

// How the main window and orlun-cli treat a target besides searching it.
enum class TargetKind {
    Event,         // a moment of the sky or of the calendar
    ElementAnimal, // names the chosen element and animal in its list text and needs them
    Day,           // a day of the element-animal cycles; the CJD lines give way to the names
    // Its day is found in the multiple element-animal window, with criteria taken from the
    // current moment's day and month; orlun-cli search runs it with those criteria.
    SameDayAndMonth,
    // Its day is found in the multiple element-animal window with the user's criteria; orlun-cli
    // has a command of its own for it instead of a search target.
    OwnWindow,
};

struct SearchTargetRow {
    SearchTarget target;
    int stored;            // the list index, kept in the state file; never changes
    std::string_view text; // the list text (an element-animal target's before a choice)
    TargetKind kind;
    std::string_view unit; // "day", "month", "year" after an element-animal choice
    SearchFunction search;
    std::optional<int> phase = std::nullopt; // the phase code its list item carries, if any
};

// Every row, in list order.
std::span<const SearchTargetRow> SearchTargetRows();
// The row of a target; nullptr for a number that names no target.
const SearchTargetRow* FindSearchTargetRow(SearchTarget target);
// The kind of a target's row; Event for a number that names no target.
TargetKind KindOf(SearchTarget target);
// The target at a list index (the number in the state file), if any.
std::optional<SearchTarget> SearchTargetAt(int stored);
// The list text; "" for a number that names no target.
std::string_view SearchTargetText(SearchTarget target);

} // namespace orlun
