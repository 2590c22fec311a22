// Short texts of CHL and CHS dates, ordinal numbers, the element-animal names of a CHL year and
// month, and the reading of CHL/CHS date texts into values.
//
// Nothing here converts dates: every text is built from the date's fields as they stand. A field
// outside its calendar range is still written in full (never wrapped or cut); a name that does not
// exist for it (the element-animal of position 0) is left out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/core/ChineseDate.h"
#include "calendar/core/Settings.h"

namespace orlun {

// The number in decimal with its English ordinal suffix: 1st 2nd 3rd 4th 11th 12th 13th 21st
// 101st 111th. A negative number gets no suffix ("-3").
std::string OrdinalStr(int64_t n);

// The forms of the short CHL text; the numbers are those the older callers passed.
enum class CHLTextForm : int {
    CyclePosition = 0,          // "79-20-05-12 " + suffix
    OverseasYear = 1,           // the overseas Chinese year replaces cycle-position: "4701-05-12 " + suffix
    OverseasYearWithNames = 2,  // then the year's names: " (in a water-sheep year)", " (in an earth-rat year)"
    OverseasYearAlso = 3,       // written as OverseasYear
};

// Short CHL text. Fields: the cycle as it is, the position in two digits, the month as its
// structure label ("05", or "5*" for a leap month) and the day in two digits. The names follow
// the country's animals.
std::string CHLDateStr(const ChineseLunarDate& date, CHLTextForm form, std::string_view suffix, Country country);

// Short CHS text: "2-01-01-01 CHS"; with withCode, on the first day of a term, the term's code
// follows: "2-01-01-01 CHS (Z11)".
std::string CHSDateStr(const ChineseSolarDate& date, bool withCode);

// An element index 0..4 and an animal index 0..11; both -1 when the date has no such name.
struct ElementAnimal {
    int element = -1;
    int animal = -1;
};

// The names of the date's year position.
ElementAnimal YearElementAnimal(const ChineseLunarDate& date);

// The names of the date's month: from the year position and the month number; a leap month has
// those of the month whose number it repeats. Month 1 is always a tiger month.
ElementAnimal MonthElementAnimal(const ChineseLunarDate& date);

// How a month is named.
enum class MonthNames {
    ElementAnimal,            // "fire-tiger"
    StemBranchFirst,          // "bing-yin fire-tiger"
    ElementAnimalFirst,       // "fire-tiger bing-yin " (with a trailing blank, which the long CHL
                              // form keeps inside its parentheses)
};

// The month's names as text; empty when the date's position or month has no names.
std::string MonthElementAnimalStr(const ChineseLunarDate& date, MonthNames style, Country country);

// Read a CHL or CHS date text (see engine/orlun2.h for the forms): the date read (epoch 0), or
// nullopt. A text holding a zero character is refused rather than read only up to it.
std::optional<ChineseLunarDate> ParseCHLDateStr(std::string_view text);
// The message of a CHL date that cannot be read (or has no date in the calendars' range).
inline constexpr const char* kLunarDateInvalid = "Lunar date is invalid.";
std::optional<ChineseSolarDate> ParseCHSDateStr(std::string_view text);

} // namespace orlun
