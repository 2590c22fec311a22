// The names orlun-cli reads that its help shows only as placeholders (UNIT, TARGET, L), taken from
// the calendar's own tables.
#pragma once

#include <string>
#include <vector>

#include "calendar/core/Settings.h"

namespace orlun::complgen {

// The move units with the country's zone code in the two ARC units, and "one day".
std::vector<std::string> MoveUnitNames(Country country);
// The search targets orlun-cli search runs (not the one left to orlun-cli multiple).
std::vector<std::string> SearchTargetNames();
// The language tags of --lang.
std::vector<std::string> LanguageTags();

} // namespace orlun::complgen
