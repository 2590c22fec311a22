// The month view in a native script, for the calendar window and orlun-cli alike: the title
// names the lunar year, the month and its size; each cell shows its day's native name and a note
// with the solar term that begins that day and, in Japanese, the day's rokuyō. The CE and ARC
// texts stay as they are.
#pragma once

#include <string>
#include <vector>

#include "calendar/core/ChineseDate.h"
#include "calendar/monthview/MonthView.h"
#include "calendar/native/Language.h"

namespace orlun {

// The view with its texts in the language; English leaves it as it is.
MonthView InLanguage(MonthView view, Language language);

// 甲辰年　正月大 · tháng Giêng (đủ) năm Giáp Thìn · 甲辰年　旧暦1月大: the month whose day 1 has the
// lunar date, of `length` days; "" for a date that is not ok().
std::string NativeMonthTitle(NativeLanguage language, const ChineseLunarDate& dayOne, int length);

// The Common Era months the lunar month spans: 公历2013年2月至3月 · Dương lịch tháng 2 – tháng 3 năm
// 2013 · 西暦2013年2月〜3月 (first and last day as Julian day numbers).
std::string NativeYearAndMonthText(NativeLanguage language, DayNumber firstJdn, DayNumber lastJdn);

// A cell's note: the term (1..24, 0 for none) and, in Japanese, the rokuyō of the month and day
// before it (先勝 立春).
std::string NativeCellNote(NativeLanguage language, int month, int day, int term);

// Every day text and every note a cell can show in the language, for a layout that holds them all.
std::vector<std::string> AllNativeDayTexts(NativeLanguage language);
std::vector<std::string> AllNativeCellNotes(NativeLanguage language);

} // namespace orlun
