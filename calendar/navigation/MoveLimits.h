// The admissible range as the Move panel meets it: the test after each step of a repeated move,
// and the "one day" button, which refuses to leave the range.
#pragma once

#include <optional>

#include "calendar/core/Outcome.h"

namespace orlun {

// After a step of a repeated move: "Earliest date exceeded." or "Latest date exceeded." when the
// moment lies outside the admissible range (the move stops; the moment stays on display).
std::optional<Refusal> RangeExceeded(Moment ajd);

// Exactly one day forward or back; "Latest date reached." or "Earliest date reached." when that
// would leave the admissible range. The current calendar does not change.
MomentOutcome OneDayStep(Moment ajd, bool forward);

} // namespace orlun
