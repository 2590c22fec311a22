// Festivals and anniversaries as lines of text: "2025-01-29 Wednesday Spring Festival (lunar date
// 01-01)", a festival of several days as "2025-01-29 to 2025-01-31 …", the weekday, the range word
// and the brackets in the chosen language — the same lines on the command line and in the window.
#pragma once

#include <string>
#include <vector>

#include "calendar/festivals/LunarEvents.h"
#include "calendar/native/Language.h"

namespace orlun {

// "2025-01-29", or for several days "2025-01-29 to 2025-01-31" · 2025-01-29至2025-01-31 ·
// "2025-01-29 đến 2025-01-31" · 2025-01-29〜2025-01-31.
std::string EventDaysText(const LunarEvent& event, Language language);
// The weekday of its first day: "Wednesday", 星期三, "Thứ Tư", 水曜日.
std::string EventWeekdayText(const LunarEvent& event, Language language);
// One line per event, each ending with "\n"; the description in brackets: "(lunar date 01-01)",
// Japanese in full-width ones with the rokuyō after a middle dot: （旧暦1月1日・先勝）.
std::string EventLines(const std::vector<LunarEvent>& events, Language language);

} // namespace orlun
