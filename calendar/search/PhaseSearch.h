// The lunar phase targets: the next or previous full moon or dark moon, and the next or previous
// of any of the four principal phases. The result is the instant of the phase (AJD, UT).
#pragma once

#include "calendar/search/SearchOutcome.h"

namespace orlun {

// Phase codes as in syzyg.h: 0 dark moon, 2 full moon. A search "previous" that starts exactly at
// such a phase (within the tolerance of GetPhase) finds the one a lunation earlier.
MomentOutcome PhaseSearch(Moment ajd, int phase, bool next);

// Any of the four phases: next is the phase after the last one at or before the moment; previous
// is that last one, or the one before it when the moment is exactly at it.
MomentOutcome QuarterSearch(Moment ajd, bool next);

} // namespace orlun
