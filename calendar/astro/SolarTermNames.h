// Codes and names of the 24 solar terms. Term 1 is the winter solstice and the terms follow the
// Sun's longitude in steps of 15 degrees; odd-numbered terms are the major terms (Z), even-numbered
// ones the minor terms (J).
#pragma once

#include <string>

#include "calendar/core/CycleCounts.h"

namespace orlun {

// The term number 1..24 of an entry of a solar-term table (entry i is term (i mod 24) + 1), or -1
// for a negative index.
int SolarTermNumberOfIndex(int index);

// By term number 1..24; "" for any other number.
std::string SolarTermCode(int term);        // "Z11", "J12", ... "J11"
std::string SolarTermPinyinName(int term);  // "Dong zhi", ...
std::string SolarTermEnglishName(int term); // "Winter solstice", ...

// By table index (i mod 24 chooses the term); "" for a negative index.
std::string SolarTermCodeOfIndex(int index);
std::string SolarTermPinyinNameOfIndex(int index);
std::string SolarTermEnglishNameOfIndex(int index);

} // namespace orlun
