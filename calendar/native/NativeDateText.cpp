#include "calendar/native/NativeDateText.h"

#include <array>

#include "calendar/native/NativeTables.h"

namespace orlun {

namespace {

// The program's term 4 (J1, 立春) opens the native tables.
constexpr int kFirstTableTerm = 4;
constexpr int kBigMonth = 30;
constexpr int kSmallMonth = 29;

constexpr std::array<std::string_view, 11> kHanDigits = {"", "一", "二", "三", "四", "五",
                                                         "六", "七", "八", "九", "十"};

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

std::string Stem(const NativeTables& t, int position) { return std::string(t.stems[(position - 1) % kStemCount]); }
std::string Branch(const NativeTables& t, int position)
{
    return std::string(t.branches[(position - 1) % kBranchCount]);
}

bool IsHan(NativeLanguage language) { return language != NativeLanguage::Vietnamese; }

// 初一..初十, 十一..十九, 二十, 廿一..廿九, 三十: the traditional names of the lunar days.
std::string HanDayName(int day)
{
    if (day == 20) return "二十";
    if (day == 30) return "三十";
    std::string name = day <= 10 ? "初" : day < 20 ? "十" : "廿";
    name += kHanDigits[day <= 10 ? day : day % 10];
    return name;
}

} // namespace

std::string StemBranchText(NativeLanguage language, int position)
{
    if (!InRange(position, 1, kCyclePositions)) return "";
    const NativeTables& t = TablesOf(language);
    return IsHan(language) ? Stem(t, position) + Branch(t, position) : Stem(t, position) + " " + Branch(t, position);
}

std::string AnimalText(NativeLanguage language, int position)
{
    if (!InRange(position, 1, kCyclePositions)) return "";
    return std::string(TablesOf(language).animals[(position - 1) % kBranchCount]);
}

std::string YearText(NativeLanguage language, int position)
{
    const std::string name = StemBranchText(language, position);
    if (name.empty()) return "";
    return IsHan(language) ? name + "年" : "năm " + name;
}

std::string MonthText(NativeLanguage language, int month, bool leap)
{
    if (!InRange(month, 1, kMonthNumbers)) return "";
    const NativeTables& t = TablesOf(language);
    // The leap mark goes before the name in Chinese and Japanese, after it in Vietnamese.
    std::string text;
    if (language == NativeLanguage::Vietnamese) {
        text.append("tháng ").append(t.months[month - 1]);
        if (leap) text.append(" ").append(t.leapMark);
        return text;
    }
    if (leap) text.append(t.leapMark);
    return text.append(t.months[month - 1]);
}

std::string DayText(NativeLanguage language, int day)
{
    if (!InRange(day, 1, kBigMonth)) return "";
    switch (language) {
    case NativeLanguage::ChineseSimplified:
    case NativeLanguage::ChineseTraditional: return HanDayName(day);
    case NativeLanguage::Vietnamese: return day <= 10 ? "mùng " + std::to_string(day) : std::to_string(day);
    case NativeLanguage::Japanese: return std::to_string(day) + "日";
    }
    return "";
}

std::string LunarDateText(NativeLanguage language, int yearPosition, int month, bool leap, int day)
{
    const std::string year = YearText(language, yearPosition);
    const std::string monthName = MonthText(language, month, leap);
    const std::string dayName = DayText(language, day);
    if (year.empty() || monthName.empty() || dayName.empty()) return "";
    switch (language) {
    case NativeLanguage::ChineseSimplified:
    case NativeLanguage::ChineseTraditional: return year + monthName + dayName;
    case NativeLanguage::Vietnamese: return (day <= 10 ? "" : "ngày ") + dayName + " " + monthName + " " + year;
    case NativeLanguage::Japanese: return "旧暦" + monthName + dayName;
    }
    return "";
}

std::string MonthSizeText(NativeLanguage language, int length)
{
    const NativeTables& t = TablesOf(language);
    if (length == kBigMonth) return std::string(t.bigMonth);
    if (length == kSmallMonth) return std::string(t.smallMonth);
    return "";
}

std::string TermText(NativeLanguage language, int term)
{
    if (!InRange(term, 1, kTermsPerYear)) return "";
    const int index = (term - kFirstTableTerm + kTermsPerYear) % kTermsPerYear;
    return std::string(TablesOf(language).terms[index]);
}

std::string PhaseText(NativeLanguage language, int phase)
{
    if (!InRange(phase, 0, kPhasesPerLunation - 1)) return "";
    return std::string(TablesOf(language).phases[phase]);
}

std::string WeekdayText(NativeLanguage language, int weekday)
{
    if (!InRange(weekday, 0, kNativeWeekdays - 1)) return "";
    return std::string(TablesOf(language).weekdays[weekday]);
}

} // namespace orlun
