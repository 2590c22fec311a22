// Texts of CHL and CHS dates built from their fields alone (no conversion): ordinals, the short
// forms, the month and year names, and the long forms with the day's names switched off.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "calendar/chinese/ChineseDateText.h"
#include "calendar/chinese/Orlun1.h"
#include "support/CalendarTestSupport.h"

using namespace orlun;
using namespace orlun::test;

namespace {

std::string Describe(const ChineseLunarDate& r)
{
    return "CHL date cycle " + std::to_string(r.cycle) + " position " +
           std::to_string(r.position) + " month " + std::to_string(r.month.number) + " day " +
           std::to_string(r.day) + " leap " + std::to_string(r.month.leap);
}

std::string Describe(const ChineseSolarDate& r)
{
    return "CHS date cycle " + std::to_string(r.cycle) + " position " +
           std::to_string(r.position) + " term " + std::to_string(r.term) + " day " +
           std::to_string(r.day);
}

} // namespace

TEST(ChineseText, OrdinalNumbers)
{
    const std::vector<std::pair<int64_t, std::string>> cases = {
        {0, "0th"},     {1, "1st"},     {2, "2nd"},     {3, "3rd"},     {4, "4th"},
        {10, "10th"},   {11, "11th"},   {12, "12th"},   {13, "13th"},   {14, "14th"},
        {20, "20th"},   {21, "21st"},   {22, "22nd"},   {23, "23rd"},   {29, "29th"},
        {30, "30th"},   {31, "31st"},   {101, "101st"}, {102, "102nd"}, {103, "103rd"},
        {111, "111th"}, {112, "112th"}, {113, "113th"}, {121, "121st"}, {1001, "1001st"},
        {-1, "-1"},     {-2, "-2"},     {-11, "-11"},   {-23, "-23"},
        {INT64_MAX, "9223372036854775807th"},
    };
    for (const auto& [n, expected] : cases)
        EXPECT_EQ(OrdinalStr(n), expected) << "OrdinalStr(" << n << ")";
}

TEST(ChineseText, ShortCHLFormsZeroToThree)
{
    struct Case {
        ChineseLunarDate rec;
        int form;
        std::string suffix;
        Country country;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {Lunar(79, 20, 5, 12), 0, "CHL", Country::China, "79-20-05-12 CHL"},
        {Lunar(79, 20, 5, 12), 1, "CHL", Country::China, "4701-05-12 CHL"},
        {Lunar(79, 20, 5, 12), 2, "CHL", Country::China, "4701-05-12 CHL (in a water-sheep year)"},
        {Lunar(79, 20, 5, 12), 3, "CHL", Country::China, "4701-05-12 CHL"},
        {Lunar(79, 25, 1, 1), 2, "CHL", Country::China, "4706-01-01 CHL (in an earth-rat year)"},
        {Lunar(79, 26, 1, 1), 2, "CHL", Country::China, "4707-01-01 CHL (in an earth-ox year)"},
        {Lunar(79, 4, 1, 1), 2, "CHL", Country::Vietnam, "4685-01-01 CHL (in a fire-cat year)"},
        {Lunar(79, 4, 1, 1), 2, "CHL", Country::Japan, "4685-01-01 CHL (in a fire-rabbit year)"},
        {Lunar(79, 60, 1, 1), 2, "CHL", Country::Japan, "4741-01-01 CHL (in a water-boar year)"},
        {Lunar(79, 60, 1, 1), 2, "CHL", Country::China, "4741-01-01 CHL (in a water-pig year)"},
        // leap months carry their number unpadded and a "*"
        {Lunar(79, 20, 5, 12, true), 0, "CHL", Country::China, "79-20-5*-12 CHL"},
        {Lunar(79, 20, 11, 3, true), 0, "CHL", Country::China, "79-20-11*-03 CHL"},
        {Lunar(79, 37, 4, 1, true), 1, "CHL", Country::China, "4718-4*-01 CHL"},
        {Lunar(2, 1, 1, 1), 0, "CHL", Country::China, "2-01-01-01 CHL"},
        {Lunar(-3, 5, 10, 30), 0, "CHL", Country::China, "-3-05-10-30 CHL"},
        {Lunar(-3, 5, 10, 30), 1, "CHL", Country::China, "-234-10-30 CHL"},
        {Lunar(79, 20, 5, 12), 0, "", Country::China, "79-20-05-12 "},
        {Lunar(79, 20, 5, 12), 0, " CHL", Country::China, "79-20-05-12  CHL"},
        {Lunar(79, 20, 5, 12), 7, "CHL", Country::China, "79-20-05-12 CHL"},
        {Lunar(79, 20, 5, 12), -1, "CHL", Country::China, "79-20-05-12 CHL"},
        // fields outside the calendar are written in full; a position without names has no year
        // names
        {Lunar(79, 0, 0, 0), 0, "CHL", Country::China, "79-00-00-00 CHL"},
        {Lunar(79, 0, 5, 12), 2, "CHL", Country::China, "4681-05-12 CHL"},
        {Lunar(79, 123, 123, 123, true), 0, "CHL", Country::China, "79-123-123*-123 CHL"},
        {Lunar(79, -5, -5, -5), 0, "CHL", Country::China, "79--5--5--5 CHL"},
        {Lunar(INT32_MAX, 60, 12, 30), 1, "CHL", Country::China, "128849018821-12-30 CHL"},
        {Lunar(INT32_MIN, 1, 1, 1), 1, "CHL", Country::China, "-128849018938-01-01 CHL"},
        {Lunar(INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN), 0, "CHL", Country::China,
         "-2147483648--2147483648--2147483648--2147483648 CHL"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CHLDateStr(c.rec, static_cast<CHLTextForm>(c.form), c.suffix, c.country), c.expected)
            << Describe(c.rec) << ", form " << c.form << ", suffix \"" << c.suffix << "\"";
    }
}

TEST(ChineseText, ShortCHSFormShowsTheTermCodeOnlyOnTheFirstDay)
{
    struct Case {
        ChineseSolarDate rec;
        bool withCode;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {Solar(2, 1, 1, 1), true, "2-01-01-01 CHS (Z11)"},
        {Solar(2, 1, 1, 1), false, "2-01-01-01 CHS"},
        {Solar(2, 1, 1, 2), true, "2-01-01-02 CHS"},
        {Solar(79, 30, 2, 1), true, "79-30-02-01 CHS (J12)"},
        {Solar(79, 30, 4, 1), true, "79-30-04-01 CHS (J1)"},
        {Solar(79, 30, 24, 1), true, "79-30-24-01 CHS (J11)"},
        {Solar(79, 30, 24, 16), true, "79-30-24-16 CHS"},
        {Solar(-1, 60, 13, 1), true, "-1-60-13-01 CHS (Z5)"},
        // a term without a code gets none
        {Solar(79, 30, 0, 1), true, "79-30-00-01 CHS"},
        {Solar(79, 30, 25, 1), true, "79-30-25-01 CHS"},
        {Solar(INT32_MIN, 100, 1000, 10000), true, "-2147483648-100-1000-10000 CHS"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CHSDateStr(c.rec, c.withCode), c.expected)
            << Describe(c.rec) << (c.withCode ? " with code" : " without code");
}

TEST(ChineseText, YearAndMonthElementAnimals)
{
    struct Case {
        ChineseLunarDate rec;
        int yearElement, yearAnimal, monthElement, monthAnimal;
    };
    const std::vector<Case> cases = {
        {Lunar(79, 1, 1, 1), 0, 0, 1, 2},     // wood-rat year: month 1 fire-tiger
        {Lunar(79, 2, 1, 1), 0, 1, 2, 2},     // wood-ox year: month 1 earth-tiger
        {Lunar(79, 20, 5, 12), 4, 7, 2, 6},   // water-sheep year: month 5 earth-horse
        {Lunar(79, 20, 5, 12, true), 4, 7, 2, 6}, // a leap month has the names of its number
        {Lunar(79, 60, 12, 1), 4, 11, 0, 1},  // water-pig year: month 12 wood-ox
        {Lunar(79, 0, 1, 1), -1, -1, -1, -1},
        {Lunar(79, 61, 1, 1), -1, -1, -1, -1},
        {Lunar(79, 20, 0, 1), 4, 7, -1, -1},
        {Lunar(79, 20, 13, 1), 4, 7, -1, -1},
    };
    for (const Case& c : cases) {
        const ElementAnimal year = YearElementAnimal(c.rec);
        EXPECT_EQ(year.element, c.yearElement) << Describe(c.rec);
        EXPECT_EQ(year.animal, c.yearAnimal) << Describe(c.rec);
        const ElementAnimal month = MonthElementAnimal(c.rec);
        EXPECT_EQ(month.element, c.monthElement) << Describe(c.rec);
        EXPECT_EQ(month.animal, c.monthAnimal) << Describe(c.rec);
    }
}

TEST(ChineseText, MonthElementAnimalTextInBothOrders)
{
    struct Case {
        ChineseLunarDate rec;
        bool withStemBranch, stemBranchFirst;
        Country country;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {Lunar(79, 1, 1, 1), false, false, Country::China, "fire-tiger"},
        {Lunar(79, 1, 1, 1), false, true, Country::China, "fire-tiger"},
        {Lunar(79, 1, 1, 1), true, true, Country::China, "bing-yin fire-tiger"},
        {Lunar(79, 1, 1, 1), true, false, Country::China, "fire-tiger bing-yin "},
        {Lunar(79, 2, 1, 1), true, true, Country::China, "wu-yin earth-tiger"},
        {Lunar(79, 20, 5, 12, true), true, true, Country::China, "wu-wu earth-horse"},
        {Lunar(79, 1, 2, 1), false, false, Country::Vietnam, "fire-cat"},
        {Lunar(79, 1, 6, 1), true, true, Country::Vietnam, "xin-wei metal-goat"},
        {Lunar(79, 1, 10, 1), false, false, Country::Japan, "wood-boar"},
        {Lunar(79, 1, 10, 1), false, false, Country::China, "wood-pig"},
        {Lunar(79, 0, 1, 1), true, true, Country::China, ""},
        {Lunar(79, 1, 13, 1), true, false, Country::China, ""},
    };
    for (const Case& c : cases) {
        const MonthNames style = !c.withStemBranch    ? MonthNames::ElementAnimal
                                 : c.stemBranchFirst ? MonthNames::StemBranchFirst
                                                     : MonthNames::ElementAnimalFirst;
        EXPECT_EQ(MonthElementAnimalStr(c.rec, style, c.country), c.expected)
            << Describe(c.rec) << " withStemBranch " << c.withStemBranch << " stemBranchFirst "
            << c.stemBranchFirst;
    }
}

TEST(ChineseText, LongCHLFormWithoutTheDayName)
{
    // None of these options needs the day number, so the record is not converted.
    struct Case {
        ChineseLunarDate rec;
        bool withMonthName, withStemBranch, monthFlag, dayForm;
        Country country;
        std::string expected;
    };
    const std::string tail = "in the water-sheep year (nian) at position 20 of cycle 79 (year 4701)";
    const std::vector<Case> cases = {
        {Lunar(79, 20, 5, 12), false, false, false, true, Country::China,
         "The 12th day of month 5 \r\n" + tail + "."},
        {Lunar(79, 20, 5, 12, true), false, false, false, true, Country::China,
         "The 12th day of leap month 5* \r\n" + tail + "."},
        {Lunar(79, 20, 5, 12), false, false, false, false, Country::China, "Month 5  " + tail},
        {Lunar(79, 20, 5, 12, true), false, false, false, false, Country::China,
         "Leap month 5*  " + tail},
        {Lunar(79, 20, 5, 1), true, false, false, true, Country::China,
         "The 1st day of month 5 (earth-horse) \r\n" + tail + "."},
        {Lunar(79, 20, 5, 2), true, true, true, true, Country::China,
         "The 2nd day of month 5 (wu-wu earth-horse) \r\nin the water-sheep gui-wei year (nian) "
         "at position 20 of cycle 79 (year 4701)."},
        {Lunar(79, 20, 5, 3), true, true, false, true, Country::China,
         "The 3rd day of month 5 (earth-horse wu-wu ) \r\nin the water-sheep gui-wei year (nian) "
         "at position 20 of cycle 79 (year 4701)."},
        {Lunar(79, 20, 5, 12), false, true, false, false, Country::China,
         "Month 5  in the water-sheep gui-wei year (nian) at position 20 of cycle 79 (year 4701)"},
        {Lunar(79, 20, 11, 21, true), true, false, false, false, Country::Vietnam,
         "Leap month 11* (wood-rat)  in the water-goat year (nian) at position 20 of cycle 79 "
         "(year 4701)"},
        {Lunar(78, 60, 1, 23), false, false, false, true, Country::Japan,
         "The 23rd day of month 1 \r\nin the water-boar year (nian) at position 60 of cycle 78 "
         "(year 4681)."},
        {Lunar(-1, 1, 1, 1), false, false, false, true, Country::China,
         "The 1st day of month 1 \r\nin the wood-rat year (nian) at position 1 of cycle -1 (year "
         "-118)."},
        // fields outside the calendar: written in full, names that do not exist left out
        {Lunar(79, 0, -2, -3), true, true, true, true, Country::China,
         "The -3 day of month-2 \r\nin the year (nian) at position 0 of cycle 79 (year 4681)."},
        {Lunar(INT32_MAX, 60, 12, 30), false, false, false, true, Country::China,
         "The 30th day of month 12 \r\nin the water-pig year (nian) at position 60 of cycle "
         "2147483647 (year 128849018821)."},
    };
    for (const Case& c : cases) {
        // The date is read, never written: none of these options needs the day, and nothing converts.
        const ChineseLunarDate rec = c.rec;
        const CalendarSettings settings = SettingsForCountry(c.country);
        const CHLLongOptions options{.monthName = c.withMonthName, .stemBranch = c.withStemBranch,
                                     .monthStemBranchFirst = c.monthFlag, .dayForm = c.dayForm};
        EXPECT_EQ(CHLLongStr(rec, options, settings), c.expected)
            << Describe(c.rec) << " monthName " << c.withMonthName << " stemBranch "
            << c.withStemBranch << " monthFlag " << c.monthFlag << " dayForm " << c.dayForm;
    }
}

TEST(ChineseText, LongCHLFormWithoutLineBreakReadsAsOneSentence)
{
    // The tool tip of the CHL line is the day form with its line break removed.
    const ChineseLunarDate rec = Lunar(79, 20, 5, 12);
    std::string text =
        CHLLongStr(rec, {}, SettingsForCountry(Country::China));
    const size_t br = text.find("\r\n");
    ASSERT_NE(br, std::string::npos) << text;
    text.erase(br, 2);
    EXPECT_EQ(text, "The 12th day of month 5 in the water-sheep year (nian) at position 20 of cycle "
                    "79 (year 4701).");
}

TEST(ChineseText, LongCHSFormWithoutTheDayName)
{
    struct Case {
        ChineseSolarDate rec;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {Solar(79, 30, 1, 1),
         "The 1st day of solar term 1 (Z11) in the year (sui) at position 30 of cycle 79."},
        {Solar(79, 17, 4, 15),
         "The 15th day of solar term 4 (J1) in the year (sui) at position 17 of cycle 79."},
        {Solar(2, 1, 24, 2),
         "The 2nd day of solar term 24 (J11) in the year (sui) at position 1 of cycle 2."},
        {Solar(-5, 60, 13, 13),
         "The 13th day of solar term 13 (Z5) in the year (sui) at position 60 of cycle -5."},
        {Solar(79, 0, 0, 0),
         "The 0th day of solar term 0 in the year (sui) at position 0 of cycle 79."},
        {Solar(79, -1, -1, -1),
         "The -1 day of solar term-1 in the year (sui) at position-1 of cycle 79."},
    };
    for (const Case& c : cases) {
        const ChineseSolarDate rec = c.rec;
        for (bool withStemBranch : {false, true}) {
            EXPECT_EQ(CHSLongStr(rec, {.stemBranch = withStemBranch}, SettingsForCountry(Country::China)),
                      c.expected)
                << Describe(c.rec) << " stemBranch " << withStemBranch;
        }
    }
}
