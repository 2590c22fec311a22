#include "calendar/festivals/EventText.h"

#include "calendar/native/NativeDateText.h"
#include "calendar/western/DatePr2.h"

namespace orlun {

namespace {

// Between the first and the last day; Han and kana need no spaces around theirs.
std::string_view RangeWord(Language language)
{
    switch (language) {
    case Language::ChineseSimplified:
    case Language::ChineseTraditional: return "至";
    case Language::Vietnamese: return " đến ";
    case Language::Japanese: return "〜";
    case Language::English: break;
    }
    return " to ";
}

// The description in the line's brackets. The Japanese description already brackets its rokuyō
// (旧暦1月1日（先勝）); within full-width brackets of its own it goes after a middle dot instead.
std::string BracketedDescription(const std::string& description, Language language)
{
    if (language != Language::Japanese) return " (" + description + ")";
    static const std::string open = "（";
    static const std::string close = "）";
    std::string inner = description;
    const size_t at = inner.find(open);
    if (at != std::string::npos && inner.ends_with(close)) {
        inner.erase(inner.size() - close.size());
        inner.replace(at, open.size(), "・");
    }
    return open + inner + close;
}

} // namespace

std::string EventDaysText(const LunarEvent& event, Language language)
{
    std::string text = DateText(GregorianDate(event.first));
    if (event.days > 1)
        text.append(RangeWord(language)).append(DateText(GregorianDate(event.first + (event.days - 1))));
    return text;
}

std::string EventWeekdayText(const LunarEvent& event, Language language)
{
    const auto native = NativeOf(language);
    return native ? WeekdayText(*native, WeekdayNumber(event.first)) : WeekdayNameOfJDN(event.first);
}

std::string EventLines(const std::vector<LunarEvent>& events, Language language)
{
    std::string text;
    for (const LunarEvent& e : events) {
        text.append(EventDaysText(e, language)).append(" ").append(EventWeekdayText(e, language)).append(" ");
        text.append(e.summary).append(BracketedDescription(e.description, language)).append("\n");
    }
    return text;
}

} // namespace orlun
