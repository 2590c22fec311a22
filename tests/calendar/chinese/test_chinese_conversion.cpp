// Conversions between CJDC day numbers and CHL / CHS dates: known dates at the three meridians,
// the epochs, the error codes of the lunar conversion, the solar calendar and month lengths.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <type_traits>

#include "calendar/western/DatePr2.h"
#include "calendar/chinese/Orlun3.h"
#include "support/CalendarTestSupport.h"

using namespace orlun;
using namespace orlun::test;

namespace {

CalendarSettings At(int longitude, int epoch = kEpochHuangdi, TermMethod method = TermMethod::TrueSun)
{
    CalendarSettings s;
    s.meridian = Meridian(longitude);
    s.epoch = epoch;
    s.method = method;
    return s;
}

// A CHL date of the lunar year named by the Common Era year, under the epoch.
ChineseLunarDate LunarDate(int64_t year, int month, bool leap, int day, int epoch = kEpochHuangdi)
{
    return {static_cast<int32_t>(CycleOfYear(year, epoch)), PositionOfYear(year), ChineseMonth{month, leap}, day, epoch};
}

// The CHL and CHS dates of a Gregorian day at noon at the meridian (none when it has no structure).
ChineseDatesOfDay DatesOf(int year, int month, int day, int longitude, int epoch = kEpochHuangdi)
{
    const auto dates = CJDateToChDates(Meridian(longitude).NoonOf(GregorianJDN(year, month, day)), epoch);
    return dates.value_or(ChineseDatesOfDay{});
}

// The day of a found CHL date, for texts ("not found" otherwise).
std::string FoundText(const CHLDay& found)
{
    return found.found() ? GregorianText(found.day.value()) : "not found";
}

} // namespace

TEST(ChineseConversion, NewYear1985IsAMonthApartInVietnamAndChina)
{
    struct Case {
        int longitude;
        const char* newYear;
    };
    for (const Case c : {Case{105, "1985-01-21"}, Case{120, "1985-02-20"}}) {
        const CHLDay found = ChLDateToJDN(LunarDate(1985, 1, false, 1), At(c.longitude));
        ASSERT_EQ(found.result, CHLResult::Found) << c.longitude;
        EXPECT_EQ(GregorianText(found.day.value()), c.newYear) << "new year 1985 at " << c.longitude << " E";
    }
    // 1985-02-01 is the 12th day of month 1 in Vietnam and of month 12 of 1984 in China.
    EXPECT_EQ(Text(DatesOf(1985, 2, 1, 105).lunar), "79-2-01-12 CHL");
    EXPECT_EQ(Text(DatesOf(1985, 2, 1, 120).lunar), "79-1-12-12 CHL");
}

TEST(ChineseConversion, Year2033HasALeapEleventhMonthNotALeapSeventh)
{
    for (int longitude : {105, 120, 135}) {
        const CHLDay leap11 = ChLDateToJDN(LunarDate(2033, 11, true, 1), At(longitude));
        EXPECT_EQ(leap11.result, CHLResult::Found) << "2033 11* at " << longitude << " E";
        EXPECT_EQ(FoundText(leap11), "2033-12-22") << "2033 11* at " << longitude << " E";
        const CHLDay leap7 = ChLDateToJDN(LunarDate(2033, 7, true, 1), At(longitude));
        EXPECT_EQ(leap7.result, CHLResult::NoSuchMonth) << "2033 7* at " << longitude << " E";
        EXPECT_FALSE(leap7.found());
        EXPECT_EQ(Text(DatesOf(2034, 1, 1, longitude).lunar), "79-50-11*-11 CHL") << "2034-01-01 at " << longitude << " E";
    }
}

TEST(ChineseConversion, NewYear2013UnderBothEpochs)
{
    const DayNumber day = GregorianJDN(2013, 2, 10);
    struct Case {
        int epoch;
        const char* chl;
        const char* chs;
    };
    for (const Case c : {Case{kEpochHuangdi, "79-30-01-1 CHL", "79-30-4-7 CHS"},
                         Case{kEpochAlternative, "78-30-01-1 CHL", "78-30-4-7 CHS"}}) {
        const auto dates = CJDateToChDates(Meridian(120).NoonOf(day), c.epoch);
        ASSERT_TRUE(dates && dates->lunar && dates->solar) << "epoch " << c.epoch;
        const ChineseLunarDate& chl = *dates->lunar;
        EXPECT_EQ(Text(chl), c.chl) << "epoch " << c.epoch;
        EXPECT_EQ(Text(dates->solar), c.chs) << "epoch " << c.epoch;
        EXPECT_EQ(dates->day, day);
        EXPECT_EQ(chl.epoch, c.epoch);
        EXPECT_EQ(dates->solar->epoch, c.epoch);
        EXPECT_FALSE(chl.month.leap);

        const CHLDay back = ChLDateToJDN(chl, At(120, c.epoch));
        ASSERT_EQ(back.result, CHLResult::Found) << Text(chl);
        EXPECT_EQ(back.day, day) << Text(chl);
    }
    // A moment at any time of the CJDC day gives that day.
    for (double fraction : {0.0, 0.25, 0.999}) {
        const auto dates = CJDateToChDates(Meridian(120).At(day.value() + fraction), kEpochHuangdi);
        EXPECT_EQ(Text(dates ? dates->lunar : std::nullopt), "79-30-01-1 CHL") << "fraction " << fraction;
        EXPECT_EQ(dates ? dates->day : DayNumber(0), day) << "fraction " << fraction;
    }
}

// The cycle changes at the new year of a year at position 1 (1984) and, in the solar calendar,
// at the winter solstice before it (1983-12-22 at 120 E).
TEST(ChineseConversion, CycleTurnsOverAtPositionOne)
{
    EXPECT_EQ(Text(DatesOf(1984, 2, 2, 120).lunar), "79-1-01-1 CHL");
    EXPECT_EQ(Text(DatesOf(1984, 2, 1, 120).lunar), "78-60-12-30 CHL");
    EXPECT_EQ(Text(DatesOf(1983, 12, 22, 120).solar), "79-1-1-1 CHS");
    EXPECT_EQ(Text(DatesOf(1983, 12, 21, 120).solar), "78-60-24-14 CHS");
    EXPECT_EQ(Text(DatesOf(1984, 2, 2, 120, kEpochAlternative).lunar), "78-1-01-1 CHL");
}

TEST(ChineseConversion, FieldsOutOfRangeAreRefused)
{
    struct Case {
        const char* what;
        int32_t cycle, position, month, day;
    };
    const Case cases[] = {
        {"position 0", 79, 0, 1, 1},
        {"position 61", 79, 61, 1, 1},
        {"month 0", 79, 30, 0, 1},
        {"month 13", 79, 30, 13, 1},
        {"day 0", 79, 30, 1, 0},
        {"day 32", 79, 30, 1, 32},
        {"month 65537 (1 in 16 bits)", 79, 30, 65537, 1},
        {"position 65566 (30 in 16 bits)", 79, 65566, 1, 1},
        {"day 65537", 79, 30, 1, 65537},
        {"day INT32_MIN", 79, 30, 1, INT32_MIN},
        {"position INT32_MAX", 79, INT32_MAX, 1, 1},
        {"cycle INT32_MAX", INT32_MAX, 30, 1, 1},
        {"cycle INT32_MIN", INT32_MIN, 30, 1, 1},
        {"year 3001 (cycle 95, position 58)", 95, 58, 1, 1},
        {"year -3002 (cycle -5, position 55)", -5, 55, 1, 1},
    };
    for (const Case& c : cases) {
        for (bool leap : {false, true}) {
            const ChineseLunarDate date{c.cycle, c.position, ChineseMonth{c.month, leap}, c.day, kEpochHuangdi};
            const CHLDay found = ChLDateToJDN(date, At(120));
            EXPECT_EQ(found.result, CHLResult::FieldOutOfRange) << c.what << (leap ? " (leap)" : "");
            EXPECT_FALSE(found.found()) << c.what;
        }
    }
    // A leap field other than 0 or 1 (-1, 2, 65537) cannot be made: the flag is a bool.
    static_assert(std::is_same_v<decltype(ChineseMonth::leap), bool>);
    // The first and last Chinese years that hold supported days still convert.
    EXPECT_EQ(YearOfCyclePos(95, 58, kEpochHuangdi), kMaxChineseYear + 1);
    EXPECT_EQ(YearOfCyclePos(-5, 55, kEpochHuangdi), kMinChineseYear - 1);
    const CHLDay last = ChLDateToJDN(LunarDate(kMaxChineseYear, 1, false, 1), At(120));
    EXPECT_EQ(last.result, CHLResult::Found) << kMaxChineseYear;
    EXPECT_GT(last.day.value(), kMaxJDN) << kMaxChineseYear;
    const CHLDay first = ChLDateToJDN(LunarDate(kMinChineseYear, 11, false, 1), At(120));
    EXPECT_EQ(first.result, CHLResult::Found) << kMinChineseYear;
    EXPECT_LT(first.day.value(), kMinJDN) << kMinChineseYear;
}

TEST(ChineseConversion, DayBeyondTheMonthIsRefused)
{
    // 2013 at 120 E: month 1 has 30 days (2013-02-10 .. 03-11), month 2 has 29 (03-12 .. 04-09).
    struct Case {
        int month, day, code;
        const char* date;
    };
    const Case cases[] = {{1, 30, 0, "2013-03-11"}, {1, 31, -4, ""}, {2, 29, 0, "2013-04-09"},
                          {2, 30, -4, ""},          {2, 31, -4, ""}, {12, 31, -4, ""}};
    for (const Case& c : cases) {
        const ChineseLunarDate date = LunarDate(2013, c.month, false, c.day);
        const CHLDay found = ChLDateToJDN(date, At(120));
        EXPECT_EQ(found.result, static_cast<CHLResult>(c.code)) << Text(date);
        EXPECT_EQ(found.found(), c.code == 0) << Text(date);
        if (c.code == 0) {
            EXPECT_EQ(FoundText(found), c.date) << Text(date);
        }
    }
}

TEST(ChineseConversion, LeapMonthThatDoesNotExistIsRefused)
{
    // 2012 has a leap fourth month at 120 E, 2013 none, 2014 a leap ninth.
    struct Case {
        int year, month, code;
        const char* date;
    };
    const Case cases[] = {{2012, 4, 0, "2012-05-21"}, {2013, 9, -5, ""}, {2013, 4, -5, ""},
                          {2014, 9, 0, "2014-10-24"}, {2013, 12, -5, ""}, {2013, 1, -5, ""}};
    for (const Case& c : cases) {
        const ChineseLunarDate date = LunarDate(c.year, c.month, true, 1);
        const CHLDay found = ChLDateToJDN(date, At(120));
        EXPECT_EQ(found.result, static_cast<CHLResult>(c.code)) << Text(date);
        if (c.code == 0) {
            EXPECT_EQ(FoundText(found), c.date) << Text(date);
        } else {
            EXPECT_FALSE(found.found()) << Text(date);
        }
    }
}

TEST(ChineseConversion, MonthLengthIs29Or30)
{
    struct Case {
        int year, month;
        bool leap;
        int length;
    };
    const Case cases[] = {{2013, 1, false, 30}, {2013, 2, false, 29}, {2012, 4, true, 29}, {2014, 9, true, 29},
                          {2013, 9, true, -5}};
    for (const Case& c : cases) {
        // The date's day is not read: any day, in range or not, gives the month's length.
        for (int day : {7, 1, 30, 31, 0}) {
            const ChineseLunarDate date = LunarDate(c.year, c.month, c.leap, day);
            EXPECT_EQ(CHLMonthLength(date, At(120)), c.length) << Text(date);
        }
    }
}

// The lunar date of a day is found from the day number and the epoch alone.
TEST(ChineseConversion, LunarDateOfADayUnderItsEpoch)
{
    const DayNumber day = GregorianJDN(2013, 2, 10);
    const auto lunar = LunarDateOfDay(day, kEpochAlternative, Meridian(120));
    EXPECT_EQ(Text(lunar), "78-30-01-1 CHL");
    EXPECT_EQ(lunar ? lunar->epoch : 0, kEpochAlternative);
}

// Where only the lunar date is wanted it is the one both dates give.
TEST(ChineseConversion, LunarDateAloneIsTheLunarDateOfBoth)
{
    const DayNumber day = GregorianJDN(2013, 2, 10);
    const auto both = CJDateToChDates(Meridian(120).NoonOf(day), kEpochHuangdi);
    ASSERT_TRUE(both);
    EXPECT_EQ(LunarDateOfDay(day, kEpochHuangdi, Meridian(120)), both->lunar);
    EXPECT_EQ(Text(both->lunar), "79-30-01-1 CHL");
}

TEST(ChineseConversion, MomentWithoutAStructureGivesNoDates)
{
    for (double moment : {std::numeric_limits<double>::quiet_NaN(), 1.0e12, -1.0e12, 0.0})
        EXPECT_FALSE(CJDateToChDates(Meridian(120).At(moment), kEpochHuangdi)) << moment;
}

// The CHS year that begins at the winter solstice of 2012 (2012-12-21 at 120 E) is named 2013.
TEST(ChineseSolarConversion, WinterSolsticeDayIsTermOneDayOne)
{
    struct Case {
        int year, month, day;
        const char* chs;
    };
    const Case cases[] = {{2012, 12, 21, "79-30-1-1 CHS"},  {2012, 12, 20, "79-29-24-14 CHS"},
                          {2013, 1, 5, "79-30-2-1 CHS"},    {2013, 2, 4, "79-30-4-1 CHS"},
                          {2013, 3, 20, "79-30-7-1 CHS"},   {2013, 12, 21, "79-30-24-15 CHS"},
                          {2013, 12, 22, "79-31-1-1 CHS"}};
    for (const Case& c : cases) {
        const ChineseDatesOfDay b = DatesOf(c.year, c.month, c.day, 120);
        EXPECT_EQ(Text(b.solar), c.chs) << c.year << "-" << c.month << "-" << c.day;
        ASSERT_TRUE(b.solar);

        EXPECT_EQ(ChSDateToJDN(*b.solar, At(120)), std::optional(GregorianJDN(c.year, c.month, c.day)))
            << Text(b.solar);
    }
}

TEST(ChineseSolarConversion, FieldsOutOfRangeAndDaysPastTheTermAreRefused)
{
    struct Case {
        const char* what;
        int32_t cycle, position, term, day;
    };
    const Case cases[] = {
        {"position 0", 79, 0, 1, 1},       {"position 61", 79, 61, 1, 1},    {"term 0", 79, 30, 0, 1},
        {"term 25", 79, 30, 25, 1},        {"day 0", 79, 30, 1, 0},          {"day 17", 79, 30, 1, 17},
        {"term 65537", 79, 30, 65537, 1},  {"cycle INT32_MAX", INT32_MAX, 30, 1, 1},
        {"year 3001", 95, 58, 1, 1},       {"day 16 of a 15-day term", 79, 30, 24, 16},
        {"day 15 of a 14-day term", 79, 29, 24, 15},
    };
    for (const Case& c : cases) {
        const ChineseSolarDate date{c.cycle, c.position, c.term, c.day, kEpochHuangdi};
        EXPECT_EQ(ChSDateToJDN(date, At(120)), std::nullopt) << c.what;
    }
}

// Only this conversion honours the mean-sun method: the winter solstices are the same computed
// ones, the terms between them are spread evenly in time.
TEST(ChineseSolarConversion, MeanSunMethodMovesTheTermsBetweenSolstices)
{
    const CalendarSettings meanSun = At(120, kEpochHuangdi, TermMethod::MeanSun);
    const ChineseSolarDate solstice{79, 30, 1, 1, kEpochHuangdi};
    const std::optional<DayNumber> meanSolstice = ChSDateToJDN(solstice, meanSun);
    const std::optional<DayNumber> trueSolstice = ChSDateToJDN(solstice, At(120));
    ASSERT_TRUE(meanSolstice && trueSolstice);
    EXPECT_EQ(GregorianText(meanSolstice->value()), "2012-12-21");
    EXPECT_EQ(*meanSolstice, *trueSolstice);

    ChineseSolarDate equinox = solstice;
    equinox.term = 7;
    const std::optional<DayNumber> meanEquinox = ChSDateToJDN(equinox, meanSun);
    const std::optional<DayNumber> trueEquinox = ChSDateToJDN(equinox, At(120));
    ASSERT_TRUE(meanEquinox && trueEquinox);
    EXPECT_EQ(GregorianText(trueEquinox->value()), "2013-03-20");
    EXPECT_EQ(GregorianText(meanEquinox->value()), "2013-03-23") << "a quarter of the solstice year after 2012-12-21 19:12";
}

// Japan (135 E): the same rule at another meridian. In 2012 the grain-full term (Z4) falls at
// 00:15 on 2012-05-21 there, but at 23:15 on 2012-05-20 in China; so in Japan the month from
// 2012-04-21 has no major term and is the leap third month, in China the leap month is the fourth.
TEST(ChineseConversion, JapanSpotChecks)
{
    const CHLDay leap3 = ChLDateToJDN(LunarDate(2012, 3, true, 1), At(135));
    ASSERT_EQ(leap3.result, CHLResult::Found);
    EXPECT_EQ(FoundText(leap3), "2012-04-21");
    EXPECT_EQ(ChLDateToJDN(LunarDate(2012, 3, true, 1), At(120)).result, CHLResult::NoSuchMonth);
    EXPECT_EQ(ChLDateToJDN(LunarDate(2012, 4, true, 1), At(135)).result, CHLResult::NoSuchMonth);

    struct Case {
        int year, month, day;
        const char* chl;
    };
    const Case cases[] = {{2012, 5, 20, "79-29-3*-30 CHL"}, {2012, 5, 21, "79-29-04-1 CHL"},
                          {2013, 2, 10, "79-30-01-1 CHL"},  {2013, 2, 9, "79-29-12-29 CHL"}};
    for (const Case& c : cases)
        EXPECT_EQ(Text(DatesOf(c.year, c.month, c.day, 135).lunar), c.chl) << c.year << "-" << c.month << "-" << c.day;
}
