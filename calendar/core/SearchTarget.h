// The targets of a search: the items of the main window's target list, in list order. The numbers
// are the list indices kept in the state file, so they never change.
#pragma once

#include <array>
#include <string_view>

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
inline constexpr int kSearchTargetCount = 22;
static_assert(static_cast<int>(SearchTarget::IntercalaryMonth) == kSearchTargetCount - 1);

// The list texts, as the list shows them before a selection adds the element and animal to the
// three element-animal items.
inline constexpr std::array<std::string_view, kSearchTargetCount> kSearchTargetTexts = {
    "Full moon",
    "Dark moon",
    "Lunar quarter",
    "Lunar new year",
    "Winter solstice",
    "Vernal equinox",
    "Summer solstice",
    "Autumnal equinox",
    "Solstice or equinox",
    "Solar term",
    "Solar term + dark moon",
    "Solar term + full moon",
    "Winter solstice + dark moon",
    "Solstice/equinox + dark moon",
    "Solstice/equinox + full moon",
    "Element-animal day",
    "Element-animal month",
    "Element-animal year",
    "Triple coincidence day",
    "Same element-animal day and month",
    "Multiple element-animal day",
    "Intercalary month",
};

inline constexpr std::string_view SearchTargetText(SearchTarget target)
{
    return kSearchTargetTexts[static_cast<int>(target)];
}

} // namespace orlun
