#include "calendar/presentation/NativeDayTexts.h"

#include <vector>

#include "calendar/native/NativeDateText.h"
#include "calendar/native/NativeTables.h"
#include "calendar/native/Rokuyo.h"

namespace orlun {

namespace {

// One line of parts: Han texts apart by an ideographic space, Vietnamese ones by a middle dot.
std::string Joined(NativeLanguage language, const std::vector<std::string>& parts)
{
    const std::string separator = language == NativeLanguage::Vietnamese ? " · " : kHanSeparator;
    std::string line;
    for (const std::string& part : parts) {
        if (part.empty()) continue;
        if (!line.empty()) line += separator;
        line += part;
    }
    return line;
}

// 龙年 · năm Rồng · 辰年 (the Japanese name the year by its branch's kanji, not the animal's).
std::string AnimalYear(NativeLanguage language, const NativeDayTexts& day, int yearPosition)
{
    switch (language) {
    case NativeLanguage::ChineseSimplified:
    case NativeLanguage::ChineseTraditional: return day.animal + "年";
    case NativeLanguage::Vietnamese: return "năm " + day.animal;
    case NativeLanguage::Japanese:
        return std::string(TablesOf(language).branches[(yearPosition - 1) % kBranchCount]) + "年";
    }
    return "";
}

std::string DayNameText(NativeLanguage language, const std::string& stemBranch)
{
    return language == NativeLanguage::Vietnamese ? "ngày " + stemBranch : stemBranch + "日";
}

std::string LineOf(NativeLanguage language, const NativeDayTexts& day, int yearPosition)
{
    const std::string dayName = DayNameText(language, day.dayName);
    switch (language) {
    case NativeLanguage::ChineseSimplified:
    case NativeLanguage::ChineseTraditional:
    case NativeLanguage::Vietnamese:
        return Joined(language, {day.lunarDate, AnimalYear(language, day, yearPosition), dayName, day.term});
    case NativeLanguage::Japanese:
        return Joined(language, {day.lunarDate, day.rokuyo, day.year, dayName, day.term});
    }
    return "";
}

} // namespace

NativeDayTexts NativeDayTextsOf(NativeLanguage language, const DisplayTexts& texts)
{
    NativeDayTexts day;
    if (!texts.chl || !texts.chl->ok()) return day;
    const ChineseLunarDate& chl = *texts.chl;
    day.lunarDate = LunarDateText(language, chl.position, chl.month.number, chl.month.leap, chl.day);
    day.year = YearText(language, chl.position);
    day.animal = AnimalText(language, chl.position);
    day.month = MonthText(language, chl.month.number, chl.month.leap);
    day.day = DayText(language, chl.day);
    day.dayName = StemBranchText(language, texts.dayPosition);
    if (texts.chs && texts.chs->ok() && texts.chs->day == 1) day.term = TermText(language, texts.chs->term);
    if (language == NativeLanguage::Japanese)
        if (const auto rokuyo = RokuyoOf(chl.month.number, chl.day)) day.rokuyo = RokuyoText(*rokuyo);
    day.line = LineOf(language, day, chl.position);
    return day;
}

} // namespace orlun
