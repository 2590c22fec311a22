// The units of a move: the items of the main window's step list, in list order. The numbers are
// the list indices kept in the state file, so they never change.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace orlun {

enum class MoveUnit : int {
    Minute = 0,
    Hour = 1,
    Day = 2,
    CEMonth = 3,
    CEYear = 4,
    CECentury = 5,
    CHLMonth = 6,
    CHLYear = 7,
    CHLCycle = 8,
    CHSTerm = 9,
    CHSYear = 10,
    CHSCycle = 11,
    DayCycle = 12,
    JCCycle = 13,
    ARCMonth = 14,
    ARCYear = 15,
};
inline constexpr int kMoveUnitCount = 16;
static_assert(static_cast<int>(MoveUnit::ARCYear) == kMoveUnitCount - 1);

// The list texts; the two ARC units name the reference zone: "ARC month (CCT)".
inline std::string MoveUnitText(MoveUnit unit, std::string_view zoneCode)
{
    static constexpr std::array<std::string_view, kMoveUnitCount> kTexts = {
        "minute",     "hour",       "day",
        "CE month",   "CE year",    "CE century",
        "CHL month",  "CHL year",   "60-year cycle (CHL)",
        "CHS solar term", "CHS year", "60-year cycle (CHS)",
        "60-day cycle", "80-year cycle (JC)", "ARC month", "ARC year"};
    std::string text(kTexts[static_cast<int>(unit)]);
    if (unit == MoveUnit::ARCMonth || unit == MoveUnit::ARCYear)
        text += " (" + std::string(zoneCode) + ")";
    return text;
}

} // namespace orlun
