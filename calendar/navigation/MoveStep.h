// One step of a move: the current moment moved by one unit of the step list, forward or back.
//
// Time units change the moment and keep its fraction. Western units keep the time of day in
// London, Chinese and ARC units the time of day at the reference meridian; each makes its own
// calendar the current one. A step that cannot be made gives a refusal and leaves the moment.
#pragma once

#include "calendar/core/CalendarRows.h"
#include "calendar/core/MoveUnit.h"
#include "calendar/core/Settings.h"
#include "calendar/navigation/MoveRefusal.h"

namespace orlun {

struct MoveInputs {
    MoveUnit unit = MoveUnit::CHLMonth;
    bool forward = true;
    bool keep30 = false;   // "keep 30th" visible and checked
    bool keepLeap = false; // "keep leap" visible and checked
};

struct MoveStepResult {
    bool moved = false;
    double ajd = 0;          // the new moment (when moved)
    int calendar = -1;       // the CalendarRow that becomes current; -1 leaves it
    MoveRefusal refusal;     // why not (when not moved)
};

MoveStepResult MoveStep(double ajd, const MoveInputs& inputs, const CalendarSettings& settings);

} // namespace orlun
