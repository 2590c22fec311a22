// The native-script texts at the ends of the data window's lines when the user has chosen a
// native language, each after two blanks, so that the program's own columns stay where they are.
// English gives "" everywhere and its lines stay as they always were; so does a date or number
// that no native text can be made of.
#pragma once

#include <string>

#include "calendar/core/ChineseDate.h"
#include "calendar/core/ChineseMonth.h"
#include "calendar/native/Language.h"

namespace orlun {

// "  甲辰年正月初一" · "  mùng 1 tháng Giêng năm Giáp Thìn" · "  旧暦1月1日".
std::string LunarDateColumn(Language language, const ChineseLunarDate& date);
// The stem-branches of a year, a month and a day (positions 1..60; the day's 0 when unknown;
// "" without the year's):
// "  壬辰年　壬子月　乙亥日" · "  năm Nhâm Thìn, tháng Nhâm Tý, ngày Ất Hợi".
std::string StemBranchColumn(Language language, int yearPosition, int monthPosition, int dayPosition);
// "  甲午年" · "  năm Giáp Ngọ".
std::string YearColumn(Language language, int yearPosition);
// "  腊月" · "  tháng Hai nhuận" · "  閏2月".
std::string MonthColumn(Language language, ChineseMonth month);
// The program's term 1..24: "  冬至" · "  Đông chí" · "  啓蟄".
std::string TermColumn(Language language, int term);

} // namespace orlun
