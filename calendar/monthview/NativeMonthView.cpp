#include "calendar/monthview/NativeMonthView.h"

#include "calendar/core/CycleCounts.h"
#include "calendar/native/NativeDateText.h"
#include "calendar/native/Rokuyo.h"

namespace orlun {

namespace {

// Han texts are set apart by an ideographic space, as on the main window's native line.
constexpr const char* kHanSpace = "\u3000";
constexpr int kLongMonth = 30;
constexpr int kRokuyoCount = 6;

} // namespace

std::string NativeMonthTitle(NativeLanguage language, const ChineseLunarDate& dayOne, int length)
{
    if (!dayOne.ok()) return "";
    const std::string year = YearText(language, dayOne.position);
    const std::string month = MonthText(language, dayOne.month.number, dayOne.month.leap);
    const std::string size = MonthSizeText(language, length);
    switch (language) {
    case NativeLanguage::ChineseSimplified:
    case NativeLanguage::ChineseTraditional: return year + kHanSpace + month + size;
    case NativeLanguage::Vietnamese: return month + (size.empty() ? "" : " (" + size + ")") + " " + year;
    case NativeLanguage::Japanese: return year + kHanSpace + "旧暦" + month + size;
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
    for (MonthViewCell& c : view.cells) {
        c.dayText = DayText(*native, c.day);
        c.noteText = NativeCellNote(*native, view.lunar.month.number, c.day, c.term);
    }
    return view;
}

} // namespace orlun
