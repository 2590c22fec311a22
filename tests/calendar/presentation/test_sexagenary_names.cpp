// The names of a day, a month and a year in each country's form, as the window and orlun-cli days
// show them.
#include <gtest/gtest.h>

#include "calendar/presentation/SexagenaryNames.h"

using namespace orlun;

namespace {

struct NameCase {
    Country country;
    ChineseLunarDate chl;
    const char* month;
    const char* year;
};

TEST(SexagenaryNames, MonthAndYearInEachCountrysForm)
{
    // Leap month 2 of gui-mao (2023) and month 1 of xin-chou (2021); Vietnam's cat for the rabbit.
    const ChineseLunarDate leapSecond{.cycle = 79, .position = 40, .month = {2, true}, .day = 1};
    const ChineseLunarDate firstOf2021{.cycle = 79, .position = 38, .month = {1, false}, .day = 4};
    const NameCase cases[] = {
        {Country::China, leapSecond, "yi-mao wood-rabbit month", "gui-mao water-rabbit year"},
        {Country::Vietnam, leapSecond, "wood-cat month", "water-cat year"},
        {Country::Japan, leapSecond, "wood-rabbit month", "water-rabbit year"},
        {Country::China, firstOf2021, "geng-yin metal-tiger month", "xin-chou metal-ox year"},
        {Country::Vietnam, firstOf2021, "metal-tiger month", "metal-ox year"},
        // A date without a place in the cycle has no names.
        {Country::China, ChineseLunarDate{}, "", ""},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(MonthNameText(c.chl, c.country), c.month) << c.year;
        EXPECT_EQ(YearNameText(c.chl, c.country), c.year) << c.month;
    }
}

struct DayCase {
    int position;
    Country country;
    const char* name;
};

TEST(SexagenaryNames, DaysFollowTheCountrysAnimals)
{
    const DayCase cases[] = {
        {16, Country::Vietnam, "earth-cat day"}, {16, Country::China, "earth-rabbit day"},
        {31, Country::Japan, "wood-horse day"},  {60, Country::China, "water-pig day"},
        {60, Country::Japan, "water-boar day"},  {1, Country::Vietnam, "wood-rat day"},
    };
    for (const DayCase& c : cases) EXPECT_EQ(DayNameText(c.position, c.country), c.name) << c.position;
}

} // namespace
