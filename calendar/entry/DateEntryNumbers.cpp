#include "calendar/entry/DateEntryNumbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace orlun {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The decimal order of magnitude of a mantissa (digits with at most one point, no sign) times
// 10^exponent: 0 for 1..9.99, 2 for 123, -1 for 0.5. Only called when some digit is not zero.
int64_t DecimalOrder(std::string_view mantissa, int64_t exponent)
{
    const size_t point = mantissa.find('.');
    const size_t intEnd = point == std::string_view::npos ? mantissa.size() : point;
    const size_t firstNonZero = mantissa.find_first_of("123456789");
    int64_t order = 0;
    if (firstNonZero < intEnd)
        order = static_cast<int64_t>(intEnd - firstNonZero) - 1;
    else
        order = -static_cast<int64_t>(firstNonZero - intEnd);
    return order + exponent;
}

} // namespace

double LeadingNumberValue(std::string_view text)
{
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const size_t mantissaStart = i;
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) { ++i; ++digits; }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) { ++i; ++digits; }
    }
    if (digits == 0) return 0.0;
    const std::string_view mantissa = text.substr(mantissaStart, i - mantissaStart);

    // The exponent counts only when digits follow the letter (and its sign). Its value saturates:
    // beyond a billion the result is out of the double range either way.
    int64_t exponent = 0;
    size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        bool expNegative = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            expNegative = text[j] == '-';
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                if (exponent < 1000000000) exponent = exponent * 10 + (text[j] - '0');
                ++j;
            }
            if (expNegative) exponent = -exponent;
            end = j;
        }
    }

    // from_chars reads the unsigned number in the "C" notation whatever the locale.
    const std::string_view number = text.substr(mantissaStart, end - mantissaStart);
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        if (mantissa.find_first_of("123456789") == std::string_view::npos)
            value = 0.0;
        else
            value = DecimalOrder(mantissa, exponent) >= 0 ? std::numeric_limits<double>::max() : 0.0;
    } else if (ec != std::errc() || !std::isfinite(value)) {
        value = ec == std::errc() ? std::numeric_limits<double>::max() : 0.0;
    }
    return negative ? -value : value;
}

std::optional<int> ParseTimeOfDay(std::string& timeField)
{
    for (char& c : timeField)
        if (c == '.') c = ':';

    std::string text;
    text.reserve(timeField.size());
    for (const char c : timeField)
        if (c != ' ') text += c;

    // One or two characters of hours before the first ":".
    const size_t colon = text.find(':');
    if (colon != 1 && colon != 2) return std::nullopt;

    const double hours = std::round(LeadingNumberValue(std::string_view(text).substr(0, colon)));
    const double minutes = std::round(LeadingNumberValue(std::string_view(text).substr(colon + 1)));
    if (!(hours >= 0 && hours <= 23) || !(minutes >= 0 && minutes <= 59)) return std::nullopt;
    return static_cast<int>(hours) * 60 + static_cast<int>(minutes);
}

bool IsValidPlusMinus(std::string_view trimmed)
{
    if (trimmed.empty()) return false;
    for (size_t i = 0; i < trimmed.size(); ++i) {
        const char c = trimmed[i];
        if ((c == '-' || c == '+') && i != 0) return false;
        if (!IsDigit(c) && c != '-' && c != '+' && c != ',' && c != '.') return false;
    }
    return true;
}

double PlusMinusAmount(std::string_view text)
{
    std::string cleaned;
    cleaned.reserve(text.size());
    for (const char c : text)
        if (c != '+' && c != ',') cleaned += c;
    return LeadingNumberValue(cleaned);
}

} // namespace orlun
