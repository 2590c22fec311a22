// The targets of a search. Each number is the target's list index, kept in the state file, so it
// never changes; a new target takes the next number. Its list text and its search are its row in
// search/SearchTargets.cpp.
#pragma once

namespace orlun {

enum class SearchTarget : int {
    FullMoon = 0,
    DarkMoon = 1,
    LunarQuarter = 2,
    LunarNewYear = 3,
    WinterSolstice = 4,
    VernalEquinox = 5,
    SummerSolstice = 6,
    AutumnalEquinox = 7,
    SolsticeOrEquinox = 8,
    SolarTerm = 9,
    SolarTermDarkMoon = 10,
    SolarTermFullMoon = 11,
    WinterSolsticeDarkMoon = 12,
    SolsticeEquinoxDarkMoon = 13,
    SolsticeEquinoxFullMoon = 14,
    ElementAnimalDay = 15,
    ElementAnimalMonth = 16,
    ElementAnimalYear = 17,
    TripleCoincidenceDay = 18,
    SameElementAnimalDayMonth = 19,
    MultipleElementAnimalDay = 20,
    IntercalaryMonth = 21,
};
// The number of targets; the row table is checked to hold each of them once.
inline constexpr int kSearchTargetCount = 22;
// The target chosen at start-up and when the list holds no target.
inline constexpr SearchTarget kDefaultSearchTarget = SearchTarget::FullMoon;

} // namespace orlun
