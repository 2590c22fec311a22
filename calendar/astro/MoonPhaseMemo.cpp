#include "calendar/astro/MoonPhaseMemo.h"

#include <cmath>
#include <limits>

#include "calendar/astro/syzyg.h"
#include "calendar/core/FloorDivision.h"

namespace orlun {

namespace {
constexpr double kNotAsked = std::numeric_limits<double>::quiet_NaN();
}

Moment MoonPhaseMemo::UT(int32_t lunation, int phase)
{
    // A phase outside 0..3 counts into a neighbouring lunation: the engine answers it directly.
    if (phase < 0 || phase >= kPhases) return GetPhaseTimeUT(lunation, phase);
    Slot& slot = slots_[static_cast<size_t>(FloorMod(int64_t{lunation}, int64_t{kSlots}))];
    if (!slot.used || slot.lunation != lunation) {
        slot.lunation = lunation;
        slot.used = true;
        slot.ut.fill(kNotAsked);
    }
    double& ut = slot.ut[static_cast<size_t>(phase)];
    if (std::isnan(ut)) ut = GetPhaseTimeUT(lunation, phase).ajd();
    return Moment(ut);
}

} // namespace orlun
