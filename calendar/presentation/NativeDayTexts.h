// One day's texts in a native script, from what the display model computed for the moment: the
// lunar date, the year, month and day names, the day's stem-branch, the term that begins that day
// and, in Japanese, the rokuyō; and the line the windows and the command line show under the
// Chinese dates. Every text is "" when the day has no lunar date.
#pragma once

#include <string>

#include "calendar/native/Language.h"
#include "calendar/presentation/DisplayModel.h"

namespace orlun {

struct NativeDayTexts {
    std::string lunarDate; // 甲辰年正月初一 · mùng 1 tháng Giêng năm Giáp Thìn · 旧暦1月1日
    std::string year;      // 甲辰年 · năm Giáp Thìn
    std::string animal;    // 龙 · 龍 · Rồng · 竜
    std::string month;     // 正月 · 闰二月 · tháng Giêng · 閏2月
    std::string day;       // 初一 · mùng 1 · 1日
    std::string dayName;   // the day's stem-branch: 甲子 · Giáp Tý
    std::string term;      // the solar term that begins this day, or ""
    std::string rokuyo;    // Japanese only: 先勝 … ; "" in the other languages
    std::string line;      // all of the above as one display line
};

NativeDayTexts NativeDayTextsOf(NativeLanguage language, const DisplayTexts& texts);

} // namespace orlun
