// Case conversion of the program's own texts: ASCII letters only, the same under every locale, and
// bytes of other characters (º, CJK) left as they are.
#pragma once

#include <string>
#include <string_view>

namespace orlun {

inline std::string LowerCase(std::string_view text)
{
    std::string s(text);
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

inline std::string UpperCase(std::string_view text)
{
    std::string s(text);
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

} // namespace orlun
