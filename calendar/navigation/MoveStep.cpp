#include "calendar/navigation/MoveStep.h"

#include <cmath>

#include "calendar/navigation/MoveUnits.h"

namespace orlun {

MomentOutcome MoveStep(Moment ajd, const MoveInputs& in, const CalendarSettings& settings)
{
    // Day numbers are 32-bit: a moment beyond them has no date to move from.
    constexpr double kLargestDayCount = 2.0e9;
    if (!std::isfinite(ajd.ajd()) || std::abs(ajd.ajd()) > kLargestDayCount)
        return Refusal{"", "No moment to move from.", MessageIcon::Warning, AfterRefusal::EndNow};
    const MoveUnitRow* row = FindMoveUnitRow(in.unit);
    if (!row) return Refusal{"", "Unknown move step.", MessageIcon::Warning, AfterRefusal::EndNow};
    return row->step(ajd, in, settings);
}

} // namespace orlun
