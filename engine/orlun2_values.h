// The date-string readers of engine/orlun2 on the calculators' date values: the CHL and CHS
// records are filled and read here, so that no calculator handles them.
#pragma once

#include <optional>
#include <string_view>

#include "calendar/core/ChineseDate.h"

namespace orlun {

// chl_datestr_to_chldate of the text: the date read (epoch 0), or nullopt when the reader refuses
// it. A text holding a zero character is refused rather than read only up to it.
std::optional<ChineseLunarDate> ReadCHLDateText(std::string_view text);
// chs_datestr_to_chsdate of the text, as ReadCHLDateText.
std::optional<ChineseSolarDate> ReadCHSDateText(std::string_view text);

} // namespace orlun
