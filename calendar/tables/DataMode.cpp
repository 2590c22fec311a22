#include "calendar/tables/DataMode.h"

#include <algorithm>
#include <cctype>

namespace orlun {

std::string CleanYearsText(const std::string& text)
{
    std::string cleaned;
    for (char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c))) cleaned += c;
        else if ((c == '-' || c == '+') && cleaned.empty()) cleaned += c;
    }
    return cleaned;
}

int YearsValue(const std::string& cleaned)
{
    long long value = 0;
    const bool negative = !cleaned.empty() && cleaned[0] == '-';
    for (char c : cleaned) {
        if (!std::isdigit(static_cast<unsigned char>(c))) continue;
        value = std::min(value * 10 + (c - '0'), 32768LL);
    }
    return static_cast<int>(std::clamp(negative ? -value : value, -32768LL, 32767LL));
}

int DefaultYears(DataMode mode, bool leapMonthsOnly)
{
    if (mode == DataMode::MonthStarts) return leapMonthsOnly ? 30 : 3;
    return 20;
}

int LeadingYear(const std::string& dateText)
{
    size_t at = 0;
    while (at < dateText.size() && dateText[at] == ' ') ++at;
    const bool negative = at < dateText.size() && dateText[at] == '-';
    if (negative) ++at;
    long long value = 0;
    for (; at < dateText.size(); ++at) {
        const char c = dateText[at];
        if (c == ',') continue; // grouped years beyond 9999
        if (!std::isdigit(static_cast<unsigned char>(c))) break;
        value = std::min(value * 10 + (c - '0'), 1000000LL);
    }
    return static_cast<int>(negative ? -value : value);
}

} // namespace orlun
