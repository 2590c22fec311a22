#include "calendar/tables/NativeColumns.h"

#include "calendar/native/NativeDateText.h"

namespace orlun {

namespace {

constexpr const char* kColumnGap = "  ";

std::string Column(const std::string& text) { return text.empty() ? "" : kColumnGap + text; }

// 壬子月 · tháng Nhâm Tý: a month or a day named by its stem-branch.
std::string NamedBy(NativeLanguage language, int position, const char* hanSuffix, const char* vietnameseWord)
{
    const std::string name = StemBranchText(language, position);
    if (name.empty()) return "";
    return language == NativeLanguage::Vietnamese ? vietnameseWord + name : name + hanSuffix;
}

} // namespace

std::string LunarDateColumn(Language language, const ChineseLunarDate& date)
{
    const auto native = NativeOf(language);
    if (!native || !date.ok()) return "";
    return Column(LunarDateText(*native, date.position, date.month.number, date.month.leap, date.day));
}

std::string StemBranchColumn(Language language, int yearPosition, int monthPosition, int dayPosition)
{
    const auto native = NativeOf(language);
    if (!native || YearText(*native, yearPosition).empty()) return "";
    const bool vietnamese = *native == NativeLanguage::Vietnamese;
    std::string text;
    for (const std::string& part : {YearText(*native, yearPosition), NamedBy(*native, monthPosition, "月", "tháng "),
                                    NamedBy(*native, dayPosition, "日", "ngày ")}) {
        if (part.empty()) continue;
        if (!text.empty()) text += vietnamese ? ", " : kHanSeparator;
        text += part;
    }
    return Column(text);
}

std::string YearColumn(Language language, int yearPosition)
{
    const auto native = NativeOf(language);
    return native ? Column(YearText(*native, yearPosition)) : "";
}

std::string MonthColumn(Language language, ChineseMonth month)
{
    const auto native = NativeOf(language);
    return native ? Column(MonthText(*native, month.number, month.leap)) : "";
}

std::string TermColumn(Language language, int term)
{
    const auto native = NativeOf(language);
    return native ? Column(TermText(*native, term)) : "";
}

} // namespace orlun
