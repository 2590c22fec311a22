// The multiple element-animal search: its steps, jumps, limits and the texts that describe it.
#include <gtest/gtest.h>

#include "calendar/chinese/ChineseDateText.h"
#include "calendar/core/Limits.h"
#include "calendar/search/EventSearch.h"
#include "calendar/search/LunarSearch.h"
#include "calendar/search/MultipleSearch.h"
#include "calendar/western/DatePr2.h"
#include "support/CalendarTestSupport.h"

using namespace orlun;
using orlun::test::Text;

namespace {

const CalendarSettings kChina = SettingsForCountry(Country::China);
const int32_t kStart = GregorianJDN(2013, 6, 1).value(); // 79-30-04-23 CHL, a water-snake year
constexpr int kOx = 1, kRat = 0, kTiger = 2, kPig = 11, kWood = 0, kWater = 4;

MultipleCriteria Rows(ElementAnimalChoice day, ElementAnimalChoice month, ElementAnimalChoice year)
{
    MultipleCriteria c;
    c[MultipleRow::Day] = day;
    c[MultipleRow::Month] = month;
    c[MultipleRow::Year] = year;
    return c;
}

MultipleResult Find(const MultipleCriteria& c, int32_t from, bool next, int years = 100)
{
    return MultipleElementAnimalSearch(c, DayNumber(from), next, DayNumber(MultipleSearchLimit(DayNumber(from), next, years, kChina)), kChina);
}

} // namespace

TEST(MultipleSearch, DayAnimalAloneRecursEveryTwelveDaysAndNeverOnTheStartDay)
{
    const MultipleCriteria rat = Rows({kNoElementItem, kRat}, {}, {});
    int32_t day = kStart;
    for (int i = 0; i < 4; ++i) {
        const MultipleResult r = Find(rat, day, true);
        ASSERT_EQ(r.status, MultipleStatus::Found);
        EXPECT_GT(r.day.value(), day);
        if (i > 0) {
            EXPECT_EQ(r.day.value() - day, 12);
        } else {
            EXPECT_LE(r.day.value() - day, 12) << "the first rat day is within a cycle of the start";
        }
        EXPECT_EQ(AnimalOfPosition(DayPosition(DayNumber(r.day))), kRat);
        day = r.day.value();
    }
}

TEST(MultipleSearch, YearAloneGivesTheNewYearGoingForwardAndTheLastDayGoingBack)
{
    const MultipleCriteria waterPig = Rows({}, {}, {kWater, kPig});
    const MultipleResult ahead = Find(waterPig, kStart, true);
    ASSERT_EQ(ahead.status, MultipleStatus::Found);
    EXPECT_EQ(DateText(GregorianDate(DayNumber(ahead.day))), "2043-02-10"); // 79-60-01-01
    const MultipleResult back = Find(waterPig, kStart, false);
    ASSERT_EQ(back.status, MultipleStatus::Found);
    EXPECT_EQ(DateText(GregorianDate(DayNumber(back.day))), "1984-02-01"); // the eve of 1984's new year, 78-60-12-30
}

TEST(MultipleSearch, GoingBackIntoAMatchingYearTheMonthIsThatOfTheDay)
{
    // Tiger months in water-pig years: going back, the jump lands on the last day of 78-60, in its
    // twelfth month; the answer is the last day of that year's first (tiger) month.
    const MultipleResult r = Find(Rows({}, {kNoElementItem, kTiger}, {kWater, kPig}), kStart, false);
    ASSERT_EQ(r.status, MultipleStatus::Found);
    const ChineseLunarDate chl = CHLDateOfDay(DayNumber(r.day), kChina).value();
    EXPECT_EQ(MonthElementAnimal(chl).animal, kTiger);
    EXPECT_EQ(chl.month, kFirstMonth);
    EXPECT_EQ(chl.position, 60);
}

TEST(MultipleSearch, LimitsAndNotFound)
{
    // A wood-rat month never falls in a wood year.
    const MultipleCriteria never = Rows({}, {kWood, kRat}, {kWood, kNoAnimalItem});
    const MultipleResult hundred = Find(never, kStart, true, 100);
    EXPECT_EQ(hundred.status, MultipleStatus::NotFound);
    EXPECT_GT(hundred.day.value(), kStart + kHundredYearsDays);
    EXPECT_LT(hundred.day.value(), kStart + kHundredYearsDays + 400);
    EXPECT_EQ(MultipleSearchLimit(DayNumber(kStart), false, 1000, kChina).value(), kStart - kThousandYearsDays);
    EXPECT_EQ(MultipleSearchLimit(DayNumber(kStart), true, 1000, kChina).value(), kMaxJDN); // not past the range
    // One lunar year on: 79-31-04-23.
    EXPECT_EQ(Text(CHLDateOfDay(DayNumber(MultipleSearchLimit(DayNumber(kStart), true, 1, kChina)), kChina).value()), "79-31-04-23 CHL");
    // Water-pig years are 60 years apart: none within 10 years is found, even by the year jump.
    EXPECT_EQ(Find(Rows({}, {}, {kWater, kPig}), kStart, true, 10).status, MultipleStatus::NotFound);
    MultipleHooks stop;
    stop.stopRequested = [] { return true; };
    const MultipleResult stopped =
        MultipleElementAnimalSearch(never, DayNumber(kStart), true, DayNumber(kStart + kHundredYearsDays), kChina, stop);
    EXPECT_EQ(stopped.status, MultipleStatus::Stopped);
    EXPECT_EQ(stopped.day, GregorianJDN(2014, 1, 31)); // the first day examined: the next wood year's first
}

TEST(MultipleSearch, Texts)
{
    const struct {
        MultipleCriteria criteria;
        const char* text;
    } cases[] = {
        {Rows({}, {kNoElementItem, kOx}, {kWater, kPig}), "day in an -ox (-chou) month in a water-pig (gui-hai) year"},
        {Rows({kWood, kRat}, {}, {}), "wood-rat (jia-zi) day"},
        {Rows({}, {2, kNoAnimalItem}, {}), "day in an earth- (wu-, ji-) month"},
        {Rows({kNoElementItem, kRat}, {}, {kNoElementItem, 3}), "-rat (-zi) day in a -rabbit (-mao) year"},
    };
    for (const auto& c : cases) EXPECT_EQ(MultipleElementAnimalStr(c.criteria, Country::China), c.text);
    EXPECT_EQ(MultipleNotFoundText("within 100 years", true), "There is no such day within 100 years of today.");
    EXPECT_EQ(MultipleProgressText(DayNumber(kStart), kChina), "Searching ...    79-30-04-23 CHL   2013-06-01 CE");
    EXPECT_EQ(MultipleElementItemText(MultipleRow::Month, kNoElementItem, kOx), "in an");
    EXPECT_EQ(ElementAnimalTargetText(SearchTarget::ElementAnimalDay, {kWood, kRat}, Country::China),
              "wood-rat (jia-zi) day");
    EXPECT_EQ(ElementAnimalTargetText(SearchTarget::ElementAnimalMonth, {kWood, kNoAnimalItem}, Country::China),
              "wood- (jia-, yi-) month");
    EXPECT_EQ(ElementAnimalTargetText(SearchTarget::ElementAnimalYear, {kNoElementItem, kRat}, Country::China),
              "-rat (-zi) year");
    EXPECT_EQ(ElementAnimalTargetText(SearchTarget::ElementAnimalYear, {}, Country::China), "Element-animal year");
}
