// One step of a year position or a month, with the carry into the cycle or year at both ends.
#include <gtest/gtest.h>

#include "calendar/core/ChineseDate.h"
#include "calendar/core/CountStep.h"

using namespace orlun;

TEST(CountStep, CarriesAtBothEndsOnly)
{
    struct Case {
        int count, carry, period;
        bool forward;
        int countAfter, carryAfter;
    };
    const Case cases[] = {
        {60, 79, 60, true, 1, 80},  {1, 80, 60, false, 60, 79}, {30, 79, 60, true, 31, 79},
        {2, 79, 60, false, 1, 79},  {1, 0, 60, false, 60, -1},  {12, 2025, 12, true, 1, 2026},
        {1, 2025, 12, false, 12, 2024}, {11, -3000, 12, true, 12, -3000},
    };
    for (const Case& c : cases) {
        int count = c.count, carry = c.carry;
        StepWithCarry(count, carry, c.period, c.forward);
        EXPECT_EQ(count, c.countAfter) << c.count << (c.forward ? " +1" : " -1");
        EXPECT_EQ(carry, c.carryAfter) << c.count << (c.forward ? " +1" : " -1");
    }
    ChineseSolarDate date{.cycle = 78, .position = 60};
    StepCyclePosition(date, true);
    EXPECT_EQ(date.cycle, 79);
    EXPECT_EQ(date.position, 1);
}
