#include "names/NameMatch.h"

#include "calendar/core/TextCase.h"

namespace orlun::cli {

namespace {

bool IsWordGap(char c) { return c == ' ' || c == '-' || c == '_'; }

} // namespace

std::string NameKey(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return "";
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    // The outer hyphens are signs or the element-animal separator, not gaps between words.
    const size_t begin = text.find_first_not_of('-');
    const size_t end = text.find_last_not_of('-');
    if (begin == std::string_view::npos) return std::string(text);
    std::string key(text.substr(0, begin));
    bool inGap = false;
    for (size_t i = begin; i <= end; ++i) {
        if (IsWordGap(text[i])) {
            inGap = true;
            continue;
        }
        if (inGap) key += ' ';
        inGap = false;
        key += text[i];
    }
    key += text.substr(end + 1);
    return LowerCase(key);
}

std::optional<size_t> FindName(std::string_view text, std::span<const std::string> names)
{
    const std::string key = NameKey(text);
    for (size_t i = 0; i < names.size(); ++i)
        if (NameKey(names[i]) == key) return i;
    return std::nullopt;
}

namespace {

std::string Joined(std::span<const std::string> names, std::string_view separator)
{
    std::string list;
    for (const std::string& name : names) {
        if (!list.empty()) list += separator;
        list += name;
    }
    return list;
}

} // namespace

std::string NameList(std::span<const std::string> names) { return Joined(names, ", "); }

std::string NameChoices(std::span<const std::string> names) { return Joined(names, "|"); }

} // namespace orlun::cli
