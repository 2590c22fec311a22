#include "calendar/festivals/LunarDay.h"

#include <limits>

#include "calendar/core/NumberText.h"
#include "calendar/core/TextTrim.h"
#include "calendar/core/WholeNumber.h"

namespace orlun {

namespace {

// A month or day number as written: digits, or a minus sign and digits (a number outside the lunar
// year is still of the month-day form, so that its refusal can name it); no plus sign.
std::optional<int> FieldNumber(std::string_view text)
{
    if (!text.empty() && text.front() == '+') return std::nullopt;
    const auto n = ParseWholeNumber(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    if (!n) return std::nullopt;
    return static_cast<int>(*n);
}

} // namespace

std::optional<LunarDay> ParseLunarDay(std::string_view text)
{
    const auto day = ParseLunarDayFields(text);
    if (!day || !day->ok()) return std::nullopt;
    return day;
}

std::optional<LunarDay> ParseLunarDayFields(std::string_view text)
{
    const std::string trimmed = Trim(text, " ");
    text = trimmed;
    const size_t dash = text.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    std::string_view month = text.substr(0, dash);
    const bool leap = !month.empty() && month.back() == '*';
    if (leap) month.remove_suffix(1);
    const auto m = FieldNumber(month);
    const auto d = FieldNumber(text.substr(dash + 1));
    if (!m || !d) return std::nullopt;
    return LunarDay{*m, leap, *d};
}

std::string LunarDayLabel(const LunarDay& day)
{
    std::string label = TwoDigits(day.month);
    if (day.leap) label += '*';
    return label.append("-").append(TwoDigits(day.day));
}

} // namespace orlun
