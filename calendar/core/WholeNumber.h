// Strict readers of numbers written as text: the whole text must be the number, and a value that
// does not fit is refused, never wrapped.
#pragma once

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orlun {

// A whole number in [min, max] from the whole text: an optional sign, then decimal digits.
inline std::optional<int64_t> ParseWholeNumber(std::string_view text, int64_t min, int64_t max)
{
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value < min || value > max) return std::nullopt;
    return value;
}

// A finite decimal number ("2455900.92", "-1.5e3") from the whole text, read the same way under
// every locale.
inline std::optional<double> ParseDecimalNumber(std::string_view text)
{
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

} // namespace orlun
