// The words of each native language for the calendar, as tables (see docs/glossary.md, which
// names the convention behind each). The rules that put them together are in NativeDateText.
#pragma once

#include <array>
#include <string_view>

#include "calendar/core/CycleCounts.h"
#include "calendar/core/MoonPhases.h"
#include "calendar/native/Language.h"

namespace orlun {

inline constexpr int kNativeWeekdays = 7;

struct NativeTables {
    std::array<std::string_view, kStemCount> stems;       // 甲 .. 癸
    std::array<std::string_view, kBranchCount> branches; // 子 .. 亥
    std::array<std::string_view, kBranchCount> animals;  // the animal of each branch
    std::array<std::string_view, kMonthNumbers> months;     // the lunar months 1 .. 12 by name
    std::string_view leapMark;                              // 闰, 閏, nhuận
    // The 24 solar terms from the beginning of spring (J1, 立春) to the greater cold (Z12, 大寒).
    std::array<std::string_view, kTermsPerYear> terms;
    // Dark moon, first quarter, full moon, last quarter (the phase codes 0..3).
    std::array<std::string_view, kPhasesPerLunation> phases;
    std::string_view bigMonth;   // a month of 30 days
    std::string_view smallMonth; // a month of 29 days
    std::array<std::string_view, kNativeWeekdays> weekdays; // Sunday .. Saturday
};

const NativeTables& TablesOf(NativeLanguage language);

} // namespace orlun
