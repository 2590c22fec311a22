// One step through a count that runs 1..period and carries into a larger unit: the year position
// 60 goes on to position 1 of the next cycle, the month 1 back to month 12 of the year before.
#pragma once

#include "calendar/core/CycleCounts.h"

namespace orlun {

template <class Count, class Carry>
constexpr void StepWithCarry(Count& count, Carry& carry, int period, bool forward)
{
    count += forward ? 1 : -1;
    if (count > period) {
        count = 1;
        ++carry;
    } else if (count < 1) {
        count = period;
        --carry;
    }
}

// The year position of a Chinese date (CHL or CHS) one step on, into the next or previous cycle.
template <class ChineseDate>
constexpr void StepCyclePosition(ChineseDate& date, bool forward)
{
    StepWithCarry(date.position, date.cycle, kCyclePositions, forward);
}

} // namespace orlun
