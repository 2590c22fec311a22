// The units of a move. Each number is the unit's list index, kept in the state file, so it never
// changes; a new unit takes the next number. Its list text and its step are its row in
// navigation/MoveUnits.cpp.
#pragma once

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
// The number of units; the row table is checked to hold each of them once.
inline constexpr int kMoveUnitCount = 16;
// The unit chosen at start-up and when the list holds no unit.
inline constexpr MoveUnit kDefaultMoveUnit = MoveUnit::CHLMonth;

} // namespace orlun
