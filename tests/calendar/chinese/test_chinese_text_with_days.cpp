// Texts of CHL and CHS dates that name the day: they convert the date to its day number first.
// Reference days (China, 120 E, epoch -2696): 2000-01-01 (JDN 2451545, wu-wu) is day 25 of month
// 11 of the lunar year 1999 (ji-mao, position 16 of cycle 79; month 11 began 1999-12-08, a 30-day
// month; month 12 began 2000-01-07 with 29 days). The leap fourth month of 2020 (geng-zi, position
// 37 of cycle 79) began 2020-05-23 (JDN 2458993, bing-yin). The winter solstice 1999-12-22
// (JDN 2451535, wu-shen) is term 1 day 1 of the sui at position 17 (the year 2000) of cycle 79.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/chinese/Orlun1.h"
#include "support/CalendarTestSupport.h"

using namespace orlun;
using namespace orlun::test;

namespace {

std::string Describe(const ChineseLunarDate& r)
{
    return "CHL " + std::to_string(r.cycle) + "-" + std::to_string(r.position) + "-" +
           std::to_string(r.month.number) + (r.month.leap ? "*" : "") + "-" + std::to_string(r.day);
}

std::string Describe(const ChineseSolarDate& r)
{
    return "CHS " + std::to_string(r.cycle) + "-" + std::to_string(r.position) + "-" +
           std::to_string(r.term) + "-" + std::to_string(r.day);
}

} // namespace

TEST(ChineseTextWithDays, LongCHLFormNamesTheDayItConvertsTo)
{
    struct Case {
        ChineseLunarDate rec;
        bool withMonthName, withStemBranch, monthFlag;
        Country country;
        int32_t jdn;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {Lunar(79, 16, 11, 25), false, false, false, Country::China, 2451545,
         "The 25th day (earth-horse) of month 11 \r\nin the earth-rabbit year (nian) at position "
         "16 of cycle 79 (year 4697)."},
        {Lunar(79, 16, 11, 25), true, true, true, Country::China, 2451545,
         "The 25th day (earth-horse wu-wu) of month 11 (bing-zi fire-rat) \r\nin the earth-rabbit "
         "ji-mao year (nian) at position 16 of cycle 79 (year 4697)."},
        {Lunar(79, 16, 11, 25), true, true, false, Country::China, 2451545,
         "The 25th day (earth-horse wu-wu) of month 11 (fire-rat bing-zi ) \r\nin the "
         "earth-rabbit ji-mao year (nian) at position 16 of cycle 79 (year 4697)."},
        {Lunar(79, 37, 4, 1, true), true, false, false, Country::China, 2458993,
         "The 1st day (fire-tiger) of leap month 4* (metal-snake) \r\nin the metal-rat year "
         "(nian) at position 37 of cycle 79 (year 4718)."},
    };
    for (const Case& c : cases) {
        const ChineseLunarDate rec = c.rec;
        const CalendarSettings settings = SettingsForCountry(c.country);
        const CHLLongOptions options{.dayName = true, .monthName = c.withMonthName,
                                     .stemBranch = c.withStemBranch, .monthStemBranchFirst = c.monthFlag};
        EXPECT_EQ(CHLLongStr(rec, options, settings), c.expected)
            << Describe(c.rec) << " monthName " << c.withMonthName << " stemBranch "
            << c.withStemBranch << " monthFlag " << c.monthFlag;
        // The day named is the one the date converts to.
        const CHLDay converted = ChLDateToJDN(c.rec, settings);
        EXPECT_EQ(converted.result, CHLResult::Found) << Describe(c.rec);
        EXPECT_EQ(converted.day, DayNumber(c.jdn)) << Describe(c.rec);
    }
}

TEST(ChineseTextWithDays, DayNameIsLeftOutWhenTheDateDoesNotConvert)
{
    const CalendarSettings china = SettingsForCountry(Country::China);
    // Month 12 of 1999 has 29 days; 1999 has no leap month; position 0 does not exist.
    const std::vector<ChineseLunarDate> invalid = {Lunar(79, 16, 12, 30), Lunar(79, 16, 9, 1, true),
                                                   Lunar(78, 0, 1, 1)};
    for (const ChineseLunarDate& r : invalid) {
        const std::string text = CHLLongStr(r, {.dayName = true, .stemBranch = true}, china);
        EXPECT_EQ(text.find("day ("), std::string::npos) << Describe(r) << " gave " << text;
        EXPECT_EQ(text.rfind("The " + std::to_string(r.day), 0), 0u)
            << Describe(r) << " gave " << text;
    }
    const ChineseLunarDate rec = Lunar(79, 16, 12, 30);
    EXPECT_EQ(CHLLongStr(rec, {.dayName = true}, china),
              "The 30th day of month 12 \r\nin the earth-rabbit year (nian) at position 16 of cycle "
              "79 (year 4697).");
}

TEST(ChineseTextWithDays, EpochDecidesWhichYearTheCycleNames)
{
    // Under the epoch -2636 the lunar year 1999 is in cycle 78 and its overseas year follows that
    // cycle (4637).
    CalendarSettings settings = SettingsForCountry(Country::China);
    settings.epoch = -2636;
    const ChineseLunarDate rec = Lunar(78, 16, 11, 25);
    EXPECT_EQ(CHLLongStr(rec, {.dayName = true}, settings),
              "The 25th day (earth-horse) of month 11 \r\nin the earth-rabbit year (nian) at "
              "position 16 of cycle 78 (year 4637).");
}

TEST(ChineseTextWithDays, LongCHSFormNamesTheDay)
{
    const CalendarSettings china = SettingsForCountry(Country::China);
    const ChineseSolarDate rec = Solar(79, 17, 1, 1);
    EXPECT_EQ(CHSLongStr(rec, {.dayName = true}, china),
              "The 1st day (earth-monkey) of solar term 1 (Z11) in the year (sui) at position 17 of "
              "cycle 79.");
    EXPECT_EQ(CHSLongStr(rec, {.dayName = true, .stemBranch = true}, china),
              "The 1st day (earth-monkey, wu-shen) of solar term 1 (Z11) in the year (sui) at "
              "position 17 of cycle 79.");

    // No term has 17 days; term 0 does not exist: no day name.
    for (const ChineseSolarDate& r : {Solar(79, 17, 1, 17), Solar(79, 17, 0, 1)}) {
        const std::string text = CHSLongStr(r, {.dayName = true, .stemBranch = true}, china);
        EXPECT_EQ(text.find("day ("), std::string::npos) << Describe(r) << " gave " << text;
    }
}

TEST(ChineseTextWithDays, StemBranchSummary)
{
    const CalendarSettings china = SettingsForCountry(Country::China);
    struct Case {
        ChineseLunarDate rec;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {Lunar(79, 16, 11, 25), "(wu-wu) day 25, (bing-zi) month 11, (ji-mao) year 16 of cycle 79"},
        {Lunar(79, 37, 4, 1, true),
         "(bing-yin) day 1, (xin-si) month 4*, (geng-zi) year 37 of cycle 79"},
        // does not convert: the day's stem-branch is left out
        {Lunar(79, 16, 12, 30), "day 30, (ding-chou) month 12, (ji-mao) year 16 of cycle 79"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CHLStemBranchStr(c.rec, china), c.expected) << Describe(c.rec);
    }
}
