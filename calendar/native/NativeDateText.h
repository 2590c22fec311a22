// Chinese (simplified and traditional), Vietnamese and Japanese texts of the lunar calendar: the
// rules that make names of years, months, days, terms and phases from the tables of NativeTables.
// Every function gives "" for an argument outside its range.
//
// Sexagenary positions run 1..60 (1 = 甲子), months 1..12 with a leap flag, days 1..30, solar
// terms by the program's numbering 1..24 (1 = the winter solstice, 冬至; 4 = 立春), phase codes
// 0..3 (dark moon, first quarter, full moon, last quarter).
#pragma once

#include <string>

#include "calendar/native/Language.h"

namespace orlun {

// Han texts on one line are set apart by an ideographic space (U+3000), not a Latin one.
inline constexpr const char* kHanSeparator = "\u3000";

// 甲辰 · Giáp Thìn.
std::string StemBranchText(NativeLanguage language, int position);
// The animal of the position's branch: 龙 · 龍 · Rồng · 竜.
std::string AnimalText(NativeLanguage language, int position);
// 甲辰年 · năm Giáp Thìn.
std::string YearText(NativeLanguage language, int position);
// 正月, 闰二月, 冬月, 腊月 · tháng Giêng, tháng Hai nhuận, tháng Chạp · 1月, 閏2月.
std::string MonthText(NativeLanguage language, int month, bool leap);
// 初一, 初十, 十一, 二十, 廿一, 三十 · mùng 1, mùng 10, 11 · 1日.
std::string DayText(NativeLanguage language, int day);
// The whole lunar date: 甲辰年正月初一 · mùng 1 tháng Giêng năm Giáp Thìn · 旧暦1月1日.
std::string LunarDateText(NativeLanguage language, int yearPosition, int month, bool leap, int day);
// A month of 30 days is big (大 · đủ), one of 29 small (小 · thiếu).
std::string MonthSizeText(NativeLanguage language, int length);
// 冬至, 立春, 清明 · Đông chí · 啓蟄.
std::string TermText(NativeLanguage language, int term);
// 朔 上弦 望 下弦 · Trăng non … · 新月 上弦 満月 下弦.
std::string PhaseText(NativeLanguage language, int phase);
// Weekday 0 (Sunday) .. 6: 星期日 · Chủ Nhật · 日曜日.
std::string WeekdayText(NativeLanguage language, int weekday);

} // namespace orlun
