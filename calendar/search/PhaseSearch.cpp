#include "calendar/search/PhaseSearch.h"

#include "calendar/astro/syzyg.h"
#include "calendar/core/MoonPhases.h"

namespace orlun {

namespace {

struct PhaseAt {
    int32_t lunation = 0;
    int phase = 0;     // the last phase at or before the moment
    bool exact = false;
};

std::optional<PhaseAt> LastPhase(Moment ajd)
{
    const auto n = GetLunation(ajd);
    if (!n) return std::nullopt;
    const PhaseLookup found = GetPhase(*n, ajd);
    const auto* in = std::get_if<PhaseInLunation>(&found);
    if (!in) return std::nullopt;
    return PhaseAt{*n, in->phase, in->exact};
}

MomentOutcome PhaseInstant(int32_t lunation, int phase) { return FoundAt(GetPhaseTimeUT(lunation, phase)); }

} // namespace

MomentOutcome PhaseSearch(Moment ajd, int phase, bool next)
{
    const auto at = LastPhase(ajd);
    if (!at) return RangeRefusal(next);
    const int32_t n = at->lunation;
    const int k = at->phase;
    if (next) return PhaseInstant(k < phase ? n : n + 1, phase);
    if (k > phase) return PhaseInstant(n, phase);
    if (k < phase) return PhaseInstant(n - 1, phase);
    return PhaseInstant(at->exact ? n - 1 : n, phase);
}

MomentOutcome QuarterSearch(Moment ajd, bool next)
{
    const auto at = LastPhase(ajd);
    if (!at) return RangeRefusal(next);
    const int32_t n = at->lunation;
    const int k = at->phase;
    if (next) return k + 1 < kPhasesPerLunation ? PhaseInstant(n, k + 1) : PhaseInstant(n + 1, 0);
    if (!at->exact) return PhaseInstant(n, k);
    return k > 0 ? PhaseInstant(n, k - 1) : PhaseInstant(n - 1, kPhasesPerLunation - 1);
}

} // namespace orlun
