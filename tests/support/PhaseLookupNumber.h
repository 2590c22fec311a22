// Tests compare phase lookups with the phase numbers of the lunation tables.
#pragma once

#include <variant>

#include "calendar/astro/syzyg.h"

namespace orlun {

// The phase of a lookup, or the number of its place outside the lunation (-1 after it, -2
// before it); exact as the lookup found it.
inline int PhaseNumber(const PhaseLookup& found, bool& exact)
{
    if (const auto* in = std::get_if<PhaseInLunation>(&found)) {
        exact = in->exact;
        return in->phase;
    }
    exact = false;
    return static_cast<int>(std::get<OutsideLunation>(found));
}

} // namespace orlun
