#include "calendar/festivals/LunarDay.h"

#include <charconv>

namespace orlun {

namespace {

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

std::optional<int> WholeNumber(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string TwoDigits(int n)
{
    std::string text = std::to_string(n);
    if (n < 10) text.insert(text.begin(), '0');
    return text;
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
    text = Trimmed(text);
    const size_t dash = text.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    std::string_view month = text.substr(0, dash);
    const bool leap = !month.empty() && month.back() == '*';
    if (leap) month.remove_suffix(1);
    const auto m = WholeNumber(month);
    const auto d = WholeNumber(text.substr(dash + 1));
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
