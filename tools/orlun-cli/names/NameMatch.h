// Names typed on the command line in any case and with any spelling of the spaces between their
// words: "full moon", "Full-Moon" and "FULL  MOON" all name "Full moon". The names themselves stay
// the window's texts; only the reading of them is lenient.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orlun::cli {

// The form under which two spellings of a name are the same: ASCII letters in lower case, each
// run of spaces, hyphens and underscores between two words as one space, spaces at either end
// dropped. A hyphen at either end stays, so "-2696" is not "2696".
std::string NameKey(std::string_view text);

// The index of the name that the text spells, or nullopt when it spells none.
std::optional<size_t> FindName(std::string_view text, std::span<const std::string> names);

// The names in their order, separated by ", ", for a message that lists the valid ones.
std::string NameList(std::span<const std::string> names);
// The names separated by "|", as a usage writes a value that is one of a few words.
std::string NameChoices(std::span<const std::string> names);

} // namespace orlun::cli
