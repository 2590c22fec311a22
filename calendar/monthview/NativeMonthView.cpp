#include "calendar/monthview/NativeMonthView.h"

#include "calendar/core/CycleCounts.h"
#include "calendar/native/NativeDateText.h"
#include "calendar/native/Rokuyo.h"
#include "calendar/western/DatePr2.h"

namespace orlun {

namespace {

constexpr int kLongMonth = 30;
constexpr int kRokuyoCount = 6;

// "2013年2月" and the like: the Han way of writing a Common Era month.
std::string HanMonth(const WesternDate& date, bool withYear)
{
    return (withYear ? std::to_string(date.year) + "年" : "") + std::to_string(date.month) + "月";
}

std::string VietnameseMonth(const WesternDate& date, bool withYear)
{
    return "tháng " + std::to_string(date.month) + (withYear ? " năm " + std::to_string(date.year) : "");
}

} // namespace

std::string NativeYearAndMonthText(NativeLanguage language, DayNumber firstJdn, DayNumber lastJdn)
{
    const WesternDate first = GregorianDate(firstJdn);
    const WesternDate last = GregorianDate(lastJdn);
    const bool oneMonth = first.year == last.year && first.month == last.month;
    const bool twoYears = first.year != last.year;
    switch (language) {
    case NativeLanguage::ChineseSimplified:
    case NativeLanguage::ChineseTraditional:
    case NativeLanguage::Japanese: {
        const std::string lead = language == NativeLanguage::Japanese             ? "西暦"
                                 : language == NativeLanguage::ChineseSimplified ? "公历"
                                                                                 : "公曆";
        const std::string to = language == NativeLanguage::Japanese ? "〜" : "至";
        if (oneMonth) return lead + HanMonth(first, true);
        return lead + HanMonth(first, true) + to + HanMonth(last, twoYears);
    }
    case NativeLanguage::Vietnamese:
        if (oneMonth) return "Dương lịch " + VietnameseMonth(first, true);
        return "Dương lịch " + VietnameseMonth(first, twoYears) + " – " + VietnameseMonth(last, true);
    }
    return "";
}

std::string NativeMonthTitle(NativeLanguage language, const ChineseLunarDate& dayOne, int length)
{
    if (!dayOne.ok()) return "";
    const std::string year = YearText(language, dayOne.position);
    const std::string month = MonthText(language, dayOne.month.number, dayOne.month.leap);
    const std::string size = MonthSizeText(language, length);
    switch (language) {
    case NativeLanguage::ChineseSimplified:
    case NativeLanguage::ChineseTraditional: return year + kHanSeparator + month + size;
    case NativeLanguage::Vietnamese: return month + (size.empty() ? "" : " (" + size + ")") + " " + year;
    case NativeLanguage::Japanese: return year + kHanSeparator + "旧暦" + month + size;
    }
    return "";
}

std::string NativeCellNote(NativeLanguage language, int month, int day, int term)
{
    std::string note;
    if (language == NativeLanguage::Japanese)
        if (const auto rokuyo = RokuyoOf(month, day)) note = RokuyoText(*rokuyo);
    const std::string termName = TermText(language, term);
    if (!termName.empty()) note += (note.empty() ? "" : " ") + termName;
    return note;
}

std::vector<std::string> AllNativeDayTexts(NativeLanguage language)
{
    std::vector<std::string> texts;
    for (int day = 1; day <= kLongMonth; ++day) texts.push_back(DayText(language, day));
    return texts;
}

// The rokuyō repeat every six days: the days 1..6 of month 1 give each one.
std::vector<std::string> AllNativeCellNotes(NativeLanguage language)
{
    std::vector<std::string> notes;
    for (int day = 1; day <= kRokuyoCount; ++day)
        for (int term = 0; term <= kTermsPerYear; ++term) notes.push_back(NativeCellNote(language, 1, day, term));
    return notes;
}

MonthView InLanguage(MonthView view, Language language)
{
    const std::optional<NativeLanguage> native = NativeOf(language);
    if (!native || !view.ok()) return view;
    view.language = language;
    view.title = NativeMonthTitle(*native, view.lunar, view.length);
    view.yearAndMonth = NativeYearAndMonthText(*native, view.firstDay, view.firstDay + (view.length - 1));
    for (MonthViewCell& c : view.cells) {
        c.dayText = DayText(*native, c.day);
        c.noteText = NativeCellNote(*native, view.lunar.month.number, c.day, c.term);
    }
    return view;
}

} // namespace orlun
