// The choices of the Move panel that follow from the displayed date: when the "keep 30th" and
// "keep leap" options apply, the pace of a repeated move, and the units by their list texts.
#pragma once

#include <optional>
#include <string_view>

#include "calendar/core/ChineseDate.h"
#include "calendar/navigation/MoveUnits.h"

namespace orlun {

// "keep 30th": the displayed CHL day is 30, the unit is a CHL unit and the move is repeated.
bool Keep30thApplies(const std::optional<ChineseLunarDate>& shown, MoveUnit unit, bool repeatedly);
// "keep leap": the displayed CHL month is a leap month, the unit is "CHL year" or
// "60-year cycle (CHL)" and the move is repeated.
bool KeepLeapApplies(const std::optional<ChineseLunarDate>& shown, MoveUnit unit, bool repeatedly);

// The timer interval of a refresh period text ("0.5", "1", "2", "5"); 1000 for anything else.
int RefreshPeriodMilliseconds(std::string_view periodText);

} // namespace orlun
