// Whole numbers as the program writes them in its texts.
#pragma once

#include <cstdint>
#include <string>

namespace orlun {

// Two digits at least ("05"); wider or negative numbers are written in full ("123", "-5").
inline std::string TwoDigits(int64_t n)
{
    std::string text = std::to_string(n);
    if (n >= 0 && n <= 9) text.insert(text.begin(), '0');
    return text;
}

// A number written the plain way: one leading blank unless it is negative (" 78", "-3").
inline std::string PlainNumber(int64_t n)
{
    std::string text = std::to_string(n);
    if (n >= 0) text.insert(text.begin(), ' ');
    return text;
}

} // namespace orlun
