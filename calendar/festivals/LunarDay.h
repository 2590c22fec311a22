// A day of the lunar year without its year: the month, whether it is the leap month of that
// number, and the day — what a festival or an anniversary repeats.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orlun {

struct LunarDay {
    int month = 1; // 1..12
    bool leap = false;
    int day = 1;   // 1..30
    bool ok() const { return month >= 1 && month <= 12 && day >= 1 && day <= 30; }
};

// Reads "12-30" or "4*-15" (a leap month has "*" after its number), with blanks around allowed.
std::optional<LunarDay> ParseLunarDay(std::string_view text);
// The numbers of a text written as a month-day, unchecked: "13-01" is month 13, which ok() refuses,
// so that the month or day itself can be named as the fault. nullopt for a text of another form.
std::optional<LunarDay> ParseLunarDayFields(std::string_view text);
// "12-30", "04*-15" as the program labels months.
std::string LunarDayLabel(const LunarDay& day);

} // namespace orlun
