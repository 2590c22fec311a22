// The data window's text blocks with native names (--lang): each line of a list that holds a CHL
// date gains that date in the language (a month's start its month, year and size), each month of
// the year data its native name and each solar term its native name. The English blocks are
// the calculators' own; these names follow them on the same line, after two spaces.
#pragma once

#include <string>

#include "calendar/native/Language.h"

namespace orlun::cli {

// The text of a list (lines ending with LF) with the native names; the text itself for English.
std::string WithNativeListNames(const std::string& text, Language language);

// The text of the year data (lines ending with LF) with the native names of its months and terms.
std::string WithNativeYearDataNames(const std::string& text, Language language);

} // namespace orlun::cli
