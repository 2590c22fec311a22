// One row per move unit: its number in the step list and the state file, its list text, the
// options that apply to it and the step it makes. Adding a unit takes a number in
// core/MoveUnit.h and a row in MoveUnits.cpp.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calendar/core/MoveUnit.h"
#include "calendar/core/Outcome.h"
#include "calendar/core/Settings.h"
#include "calendar/navigation/MoveStep.h"

namespace orlun {

using StepFunction = MomentOutcome (*)(Moment ajd, const MoveInputs& inputs, const CalendarSettings& settings);

struct MoveUnitRow {
    MoveUnit unit;
    int stored;            // the list index, kept in the state file; never changes
    std::string_view text; // the list text
    bool namesZone;        // the text ends with the reference zone: "ARC month (CCT)"
    bool keep30th;         // "keep 30th" applies to a repeated move by this unit
    bool keepLeap;         // "keep leap" applies too
    StepFunction step;
};

// Every row, in list order.
std::span<const MoveUnitRow> MoveUnitRows();
// The row of a unit; nullptr for a number that names no unit.
const MoveUnitRow* FindMoveUnitRow(MoveUnit unit);
// The unit at a list index (the number in the state file), if any.
std::optional<MoveUnit> MoveUnitAt(int stored);

// The list text with the zone code where the unit names it.
std::string MoveUnitText(MoveUnit unit, std::string_view zoneCode);
// The unit whose list text (MoveUnitText with the zone code) is exactly the text.
std::optional<MoveUnit> MoveUnitFromText(std::string_view text, std::string_view zoneCode);

} // namespace orlun
