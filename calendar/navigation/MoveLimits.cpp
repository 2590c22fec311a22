#include "calendar/navigation/MoveLimits.h"

#include "calendar/core/Limits.h"

namespace orlun {

std::optional<MoveRefusal> RangeExceeded(double ajd)
{
    if (ajd < kMinAJD)
        return MoveRefusal{kOutOfRangeTitle, "Earliest date exceeded.", MessageIcon::Warning,
                           RefusalEffect::EndNow};
    if (ajd > kMaxAJD)
        return MoveRefusal{kOutOfRangeTitle, "Latest date exceeded.", MessageIcon::Warning,
                           RefusalEffect::EndNow};
    return std::nullopt;
}

MoveStepResult OneDayStep(double ajd, bool forward)
{
    MoveStepResult r;
    if (forward && ajd + 1 > kMaxAJD) {
        r.refusal = {kOutOfRangeTitle, "Latest date reached.", MessageIcon::Warning,
                     RefusalEffect::EndNow};
    } else if (!forward && ajd - 1 < kMinAJD) {
        r.refusal = {kOutOfRangeTitle, "Earliest date reached.", MessageIcon::Warning,
                     RefusalEffect::EndNow};
    } else {
        r.moved = true;
        r.ajd = ajd + (forward ? 1.0 : -1.0);
    }
    return r;
}

} // namespace orlun
