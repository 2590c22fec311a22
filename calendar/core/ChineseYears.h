// Chinese years between Common Era years and (cycle, position) under an epoch.
//
// The epoch is the Common Era year (astronomical numbering) of cycle 1, position 1: -2696 or
// -2636. A year's position does not depend on the epoch (1984 is position 1); its cycle does.
#pragma once

#include <cstdint>

#include "calendar/core/CycleCounts.h"
#include "calendar/core/FloorDivision.h"

namespace orlun {

inline constexpr int kEpochHuangdi = -2696; // "-2696 = 2697 BC"
inline constexpr int kEpochAlternative = -2636; // "-2636 = 2637 BC"

// The Common Era year of (cycle, position): (cycle - 1) * 60 + epoch + position - 1.
inline constexpr int64_t YearOfCyclePos(int64_t cycle, int64_t position, int epoch)
{
    return (cycle - 1) * kCyclePositions + epoch + position - 1;
}

// The cycle of a Common Era year: floor((year - epoch) / 60) + 1.
inline constexpr int64_t CycleOfYear(int64_t year, int epoch) { return FloorDiv(year - epoch, kCyclePositions) + 1; }

// The position of a Common Era year, 1..60, whatever the epoch: 1984 is position 1.
inline constexpr int PositionOfYear(int64_t year) { return static_cast<int>(FloorMod(year + 2696, kCyclePositions)) + 1; }

// The overseas Chinese year count: cycle * 60 + position - 59 (4701 for 2003 in cycle 79).
inline constexpr int64_t LinearYear(int64_t cycle, int64_t position) { return cycle * kCyclePositions + position - 59; }

// (cycle, position) of an overseas Chinese year count g: cycle = (g + 58) div 60, less one under
// the epoch -2636; position = ((g + 58) mod 60) + 1.
struct CyclePosition {
    int64_t cycle;
    int position;
};
inline constexpr CyclePosition CyclePosOfLinearYear(int64_t g, int epoch)
{
    return {FloorDiv(g + 58, kCyclePositions) - (epoch == kEpochAlternative ? 1 : 0),
            static_cast<int>(FloorMod(g + 58, kCyclePositions)) + 1};
}

static_assert(PositionOfYear(1984) == 1);
static_assert(PositionOfYear(2003) == 20);
static_assert(CycleOfYear(2003, kEpochHuangdi) == 79);
static_assert(CycleOfYear(2003, kEpochAlternative) == 78);
static_assert(LinearYear(79, 20) == 4701);
static_assert(YearOfCyclePos(79, 20, kEpochHuangdi) == 2003);
static_assert(CyclePosOfLinearYear(4701, kEpochHuangdi).cycle == 79);
static_assert(CyclePosOfLinearYear(4701, kEpochHuangdi).position == 20);

} // namespace orlun
