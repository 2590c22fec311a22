// The sky table's contents, computed with the program's own astronomy and engine.
#pragma once

#include "calendar/astro/SkyTableFormat.h"

namespace orlun::skygen {

// GetPhaseTimeUT(n, 0) for every kept lunation; for every kept year its quarter points
// (SolsticeOrEquinoxUT) and the engine's searches made by BuildSolarTerms for the true-sun table
// of that solar year. A year whose searches did not all succeed is marked absent.
skytable::Contents ComputeSky();

} // namespace orlun::skygen
