#include "NativeTextBlocks.h"

#include <regex>

#include "calendar/chinese/ChineseDateText.h"
#include "calendar/native/NativeDateText.h"

namespace orlun::cli {

namespace {

constexpr const char* kGap = "  ";

// A CHL date as the lists write it: "79-30-01-01 CHL", a leap month "2*", two spaces before CHL
// in the month starts.
const std::regex kListDate(R"((-?\d+-\d\d-(?:\d\d|\d\*)-\d\d)\s+CHL)");
// The month's length at the end of a month start: "29 days".
const std::regex kMonthLength(R"((\d+) days\s*$)");
// A month of the year data, "LN 287 M2* (0 zq)", and a term, "ST 8 J3".
const std::regex kYearDataMonth(R"(\bLN -?\d+ M(\d\d|\d\*))");
const std::regex kYearDataTerm(R"(\bST (\d+) [JZ]\d+)");

// The native names a line gains; "" when it gains none.
using LineNames = std::string (*)(const std::string& line, NativeLanguage language);

std::string ListNames(const std::string& line, NativeLanguage language)
{
    std::smatch date;
    if (!std::regex_search(line, date, kListDate)) return "";
    const auto chl = ParseCHLDateStr(date[1].str() + " CHL");
    if (!chl) return "";
    std::smatch length;
    if (std::regex_search(line, length, kMonthLength))
        return MonthTitleText(language, chl->position, chl->month.number, chl->month.leap, std::stoi(length[1]));
    return LunarDateText(language, chl->position, chl->month.number, chl->month.leap, chl->day);
}

std::string YearDataNames(const std::string& line, NativeLanguage language)
{
    std::smatch found;
    if (std::regex_search(line, found, kYearDataMonth)) {
        const std::string month = found[1];
        const bool leap = month.back() == '*';
        return MonthText(language, std::stoi(leap ? month.substr(0, 1) : month), leap);
    }
    if (std::regex_search(line, found, kYearDataTerm)) return TermText(language, std::stoi(found[1]));
    return "";
}

// Each line of the text with its names after it; the line ends stay as they are.
std::string Annotated(const std::string& text, Language language, LineNames names)
{
    const auto native = NativeOf(language);
    if (!native) return text;
    std::string result;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        const bool cr = !line.empty() && line.back() == '\r';
        if (cr) line.pop_back();
        const std::string added = names(line, *native);
        result += added.empty() ? line : line + kGap + added;
        if (cr) result += '\r';
        if (end == std::string::npos) break;
        result += '\n';
        start = end + 1;
    }
    return result;
}

} // namespace

std::string WithNativeListNames(const std::string& text, Language language)
{
    return Annotated(text, language, ListNames);
}

std::string WithNativeYearDataNames(const std::string& text, Language language)
{
    return Annotated(text, language, YearDataNames);
}

} // namespace orlun::cli
