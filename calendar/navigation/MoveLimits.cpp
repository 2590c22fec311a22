#include "calendar/navigation/MoveLimits.h"

#include "calendar/core/Limits.h"
#include "calendar/navigation/MoveRefusal.h"

namespace orlun {

namespace {

Refusal OutOfRange(const char* text)
{
    return {kOutOfRangeTitle, text, MessageIcon::Warning, AfterRefusal::EndNow};
}

} // namespace

std::optional<Refusal> RangeExceeded(Moment ajd)
{
    if (ajd < kEarliestMoment) return OutOfRange("Earliest date exceeded.");
    if (ajd > kLatestMoment) return OutOfRange("Latest date exceeded.");
    return std::nullopt;
}

MomentOutcome OneDayStep(Moment ajd, bool forward)
{
    if (forward && ajd + 1 > kLatestMoment) return OutOfRange("Latest date reached.");
    if (!forward && ajd - 1 < kEarliestMoment) return OutOfRange("Earliest date reached.");
    return NewMoment{ajd + (forward ? 1.0 : -1.0), std::nullopt};
}

} // namespace orlun
