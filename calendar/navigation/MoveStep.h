// One step of a move: the current moment moved by one unit of the step list, forward or back.
// The unit's row (MoveUnits.h) says how; a step that cannot be made gives a refusal and leaves
// the moment.
#pragma once

#include "calendar/core/MoveUnit.h"
#include "calendar/core/Outcome.h"
#include "calendar/core/Settings.h"

namespace orlun {

struct MoveInputs {
    MoveUnit unit = kDefaultMoveUnit;
    bool forward = true;
    bool keep30 = false;   // "keep 30th" visible and checked
    bool keepLeap = false; // "keep leap" visible and checked
};

MomentOutcome MoveStep(Moment ajd, const MoveInputs& inputs, const CalendarSettings& settings);

} // namespace orlun
