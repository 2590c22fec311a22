// Conversions between CJDC day numbers and CHL / CHS dates: known dates at the three meridians,
// the epochs, the error codes of the lunar conversion, the solar calendar and month lengths.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>

#include "calendar/western/DatePr2.h"
#include "calendar/chinese/Orlun3.h"
#include "support/CalendarTestSupport.h"

using namespace orlun;
using namespace orlun::test;

namespace {

CalendarSettings At(int longitude, int epoch = kEpochHuangdi, TermMethod method = TermMethod::TrueSun)
{
    CalendarSettings s;
    s.refLongitude = longitude;
    s.epoch = epoch;
    s.method = method;
    return s;
}

// A CHL record of the lunar year named by the Common Era year, under the epoch.
CHLDate LunarDate(int64_t year, int month, int leap, int day, int epoch = kEpochHuangdi)
{
    CHLDate rec;
    rec.cycle = static_cast<int32_t>(CycleOfYear(year, epoch));
    rec.position = PositionOfYear(year);
    rec.month = month;
    rec.leap = leap;
    rec.day = day;
    return rec;
}

// The CHL and CHS dates of a Gregorian day at noon at the meridian.
struct Both {
    CHLDate chl;
    CHSDate chs;
};
Both DatesOf(int year, int month, int day, int longitude, int epoch = kEpochHuangdi)
{
    Both b;
    CJDateToChDates(GregorianJDN(year, month, day).value() + 0.5, epoch, longitude, b.chs, b.chl);
    return b;
}

} // namespace

TEST(ChineseConversion, NewYear1985IsAMonthApartInVietnamAndChina)
{
    struct Case {
        int longitude;
        const char* newYear;
    };
    for (const Case c : {Case{105, "1985-01-21"}, Case{120, "1985-02-20"}}) {
        CHLDate rec = LunarDate(1985, 1, 0, 1);
        ASSERT_EQ(ChLDateToJDN(rec, At(c.longitude)), CHLResult::Found) << c.longitude;
        EXPECT_EQ(GregorianText(rec.jdn), c.newYear) << "new year 1985 at " << c.longitude << " E";
    }
    // 1985-02-01 is the 12th day of month 1 in Vietnam and of month 12 of 1984 in China.
    const Both vietnam = DatesOf(1985, 2, 1, 105);
    EXPECT_EQ(Text(vietnam.chl), "79-2-01-12 CHL");
    const Both china = DatesOf(1985, 2, 1, 120);
    EXPECT_EQ(Text(china.chl), "79-1-12-12 CHL");
}

TEST(ChineseConversion, Year2033HasALeapEleventhMonthNotALeapSeventh)
{
    for (int longitude : {105, 120, 135}) {
        CHLDate leap11 = LunarDate(2033, 11, 1, 1);
        EXPECT_EQ(ChLDateToJDN(leap11, At(longitude)), CHLResult::Found) << "2033 11* at " << longitude << " E";
        EXPECT_EQ(GregorianText(leap11.jdn), "2033-12-22") << "2033 11* at " << longitude << " E";
        CHLDate leap7 = LunarDate(2033, 7, 1, 1);
        EXPECT_EQ(ChLDateToJDN(leap7, At(longitude)), CHLResult::NoSuchMonth) << "2033 7* at " << longitude << " E";
        EXPECT_EQ(leap7.valid, 0);
        const Both b = DatesOf(2034, 1, 1, longitude);
        EXPECT_EQ(Text(b.chl), "79-50-11*-11 CHL") << "2034-01-01 at " << longitude << " E";
    }
}

TEST(ChineseConversion, NewYear2013UnderBothEpochs)
{
    const int32_t day = GregorianJDN(2013, 2, 10).value();
    struct Case {
        int epoch;
        const char* chl;
        const char* chs;
    };
    for (const Case c : {Case{kEpochHuangdi, "79-30-01-1 CHL", "79-30-4-7 CHS"},
                         Case{kEpochAlternative, "78-30-01-1 CHL", "78-30-4-7 CHS"}}) {
        CHLDate chl;
        CHSDate chs;
        CJDateToChDates(day + 0.5, c.epoch, 120, chs, chl);
        EXPECT_EQ(Text(chl), c.chl) << "epoch " << c.epoch;
        EXPECT_EQ(Text(chs), c.chs) << "epoch " << c.epoch;
        EXPECT_EQ(chl.valid, 1);
        EXPECT_EQ(chs.valid, 1);
        EXPECT_EQ(chl.jdn, day);
        EXPECT_EQ(chs.jdn, day);
        EXPECT_EQ(chl.epoch, c.epoch);
        EXPECT_EQ(chl.leap, 0);

        CHLDate back = chl;
        back.jdn = 0;
        ASSERT_EQ(ChLDateToJDN(back, At(120, c.epoch)), CHLResult::Found) << Text(chl);
        EXPECT_EQ(back.jdn, day) << Text(chl);
        EXPECT_EQ(back.valid, 1);
    }
    // A moment at any time of the CJDC day gives that day.
    for (double fraction : {0.0, 0.25, 0.999}) {
        CHLDate chl;
        CHSDate chs;
        CJDateToChDates(day + fraction, kEpochHuangdi, 120, chs, chl);
        EXPECT_EQ(Text(chl), "79-30-01-1 CHL") << "fraction " << fraction;
    }
}

// The cycle changes at the new year of a year at position 1 (1984) and, in the solar calendar,
// at the winter solstice before it (1983-12-22 at 120 E).
TEST(ChineseConversion, CycleTurnsOverAtPositionOne)
{
    EXPECT_EQ(Text(DatesOf(1984, 2, 2, 120).chl), "79-1-01-1 CHL");
    EXPECT_EQ(Text(DatesOf(1984, 2, 1, 120).chl), "78-60-12-30 CHL");
    EXPECT_EQ(Text(DatesOf(1983, 12, 22, 120).chs), "79-1-1-1 CHS");
    EXPECT_EQ(Text(DatesOf(1983, 12, 21, 120).chs), "78-60-24-14 CHS");
    EXPECT_EQ(Text(DatesOf(1984, 2, 2, 120, kEpochAlternative).chl), "78-1-01-1 CHL");
}

TEST(ChineseConversion, FieldsOutOfRangeAreRefused)
{
    struct Case {
        const char* what;
        int32_t cycle, position, month, leap, day;
    };
    const Case cases[] = {
        {"position 0", 79, 0, 1, 0, 1},
        {"position 61", 79, 61, 1, 0, 1},
        {"month 0", 79, 30, 0, 0, 1},
        {"month 13", 79, 30, 13, 0, 1},
        {"day 0", 79, 30, 1, 0, 0},
        {"day 32", 79, 30, 1, 0, 32},
        {"leap -1", 79, 30, 1, -1, 1},
        {"leap 2", 79, 30, 1, 2, 1},
        {"month 65537 (1 in 16 bits)", 79, 30, 65537, 0, 1},
        {"position 65566 (30 in 16 bits)", 79, 65566, 1, 0, 1},
        {"day 65537", 79, 30, 1, 0, 65537},
        {"leap 65537", 79, 30, 1, 65537, 1},
        {"day INT32_MIN", 79, 30, 1, 0, INT32_MIN},
        {"position INT32_MAX", 79, INT32_MAX, 1, 0, 1},
        {"cycle INT32_MAX", INT32_MAX, 30, 1, 0, 1},
        {"cycle INT32_MIN", INT32_MIN, 30, 1, 0, 1},
        {"year 3001 (cycle 95, position 58)", 95, 58, 1, 0, 1},
        {"year -3002 (cycle -5, position 55)", -5, 55, 1, 0, 1},
    };
    for (const Case& c : cases) {
        CHLDate rec;
        rec.cycle = c.cycle;
        rec.position = c.position;
        rec.month = c.month;
        rec.leap = c.leap;
        rec.day = c.day;
        rec.valid = 1;
        rec.jdn = 12345;
        EXPECT_EQ(ChLDateToJDN(rec, At(120)), CHLResult::FieldOutOfRange) << c.what;
        EXPECT_EQ(rec.valid, 0) << c.what;
        EXPECT_EQ(rec.jdn, 12345) << c.what;
    }
    // The first and last Chinese years that hold supported days still convert.
    EXPECT_EQ(YearOfCyclePos(95, 58, kEpochHuangdi), kMaxChineseYear + 1);
    EXPECT_EQ(YearOfCyclePos(-5, 55, kEpochHuangdi), kMinChineseYear - 1);
    CHLDate last = LunarDate(kMaxChineseYear, 1, 0, 1);
    EXPECT_EQ(ChLDateToJDN(last, At(120)), CHLResult::Found) << Text(last);
    EXPECT_GT(last.jdn, kMaxJDN) << Text(last);
    CHLDate first = LunarDate(kMinChineseYear, 11, 0, 1);
    EXPECT_EQ(ChLDateToJDN(first, At(120)), CHLResult::Found) << Text(first);
    EXPECT_LT(first.jdn, kMinJDN) << Text(first);
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
        CHLDate rec = LunarDate(2013, c.month, 0, c.day);
        EXPECT_EQ(ChLDateToJDN(rec, At(120)), static_cast<CHLResult>(c.code)) << Text(rec);
        EXPECT_EQ(rec.valid, c.code == 0 ? 1 : 0) << Text(rec);
        if (c.code == 0) {
            EXPECT_EQ(GregorianText(rec.jdn), c.date) << Text(rec);
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
        CHLDate rec = LunarDate(c.year, c.month, 1, 1);
        EXPECT_EQ(ChLDateToJDN(rec, At(120)), static_cast<CHLResult>(c.code)) << Text(rec);
        if (c.code == 0) {
            EXPECT_EQ(GregorianText(rec.jdn), c.date) << Text(rec);
        } else {
            EXPECT_EQ(rec.valid, 0) << Text(rec);
        }
    }
}

TEST(ChineseConversion, MonthLengthIs29Or30)
{
    struct Case {
        int year, month, leap, length;
    };
    const Case cases[] = {{2013, 1, 0, 30}, {2013, 2, 0, 29}, {2012, 4, 1, 29}, {2014, 9, 1, 29}, {2013, 9, 1, -5}};
    for (const Case& c : cases) {
        CHLDate rec = LunarDate(c.year, c.month, c.leap, 7);
        EXPECT_EQ(CHLMonthLength(rec, At(120)), c.length) << Text(rec);
        EXPECT_EQ(rec.day, 30) << "the day is left at 30";
    }
}

TEST(ChineseConversion, RefreshRecomputesFromTheDayNumber)
{
    CHLDate rec;
    rec.jdn = GregorianJDN(2013, 2, 10).value();
    rec.epoch = kEpochAlternative;
    rec.cycle = 1;
    rec.position = 1;
    rec.month = 7;
    rec.leap = 1;
    rec.day = 3;
    CHLRefresh(rec, 120);
    EXPECT_EQ(Text(rec), "78-30-01-1 CHL");
    EXPECT_EQ(rec.valid, 1);
    EXPECT_EQ(rec.epoch, kEpochAlternative);
}

TEST(ChineseConversion, UnwantedSolarDateIsLeftAlone)
{
    CHSDate chs;
    chs.valid = kCHSNotWanted;
    chs.term = 5;
    chs.day = 6;
    chs.jdn = 7;
    CHLDate chl;
    CJDateToChDates(GregorianJDN(2013, 2, 10).value() + 0.5, kEpochHuangdi, 120, chs, chl);
    EXPECT_EQ(chs.valid, 0);
    EXPECT_EQ(chs.term, 5);
    EXPECT_EQ(chs.day, 6);
    EXPECT_EQ(chs.jdn, 7);
    EXPECT_EQ(Text(chl), "79-30-01-1 CHL");
}

TEST(ChineseConversion, MomentWithoutAStructureGivesInvalidRecords)
{
    for (double moment : {std::numeric_limits<double>::quiet_NaN(), 1.0e12, -1.0e12, 0.0}) {
        CHLDate chl;
        chl.valid = 1;
        CHSDate chs;
        chs.valid = 1;
        CJDateToChDates(moment, kEpochHuangdi, 120, chs, chl);
        EXPECT_EQ(chl.valid, 0) << moment;
        EXPECT_EQ(chs.valid, 0) << moment;
    }
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
        const Both b = DatesOf(c.year, c.month, c.day, 120);
        EXPECT_EQ(Text(b.chs), c.chs) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(b.chs.valid, 1);

        CHSDate back = b.chs;
        back.jdn = 0;
        EXPECT_TRUE(ChSDateToJDN(back, At(120))) << Text(b.chs);
        EXPECT_EQ(back.jdn, GregorianJDN(c.year, c.month, c.day).value()) << Text(b.chs);
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
        CHSDate rec;
        rec.cycle = c.cycle;
        rec.position = c.position;
        rec.term = c.term;
        rec.day = c.day;
        rec.valid = 1;
        EXPECT_FALSE(ChSDateToJDN(rec, At(120))) << c.what;
        EXPECT_EQ(rec.valid, 0) << c.what;
    }
}

// Only this conversion honours the mean-sun method: the winter solstices are the same computed
// ones, the terms between them are spread evenly in time.
TEST(ChineseSolarConversion, MeanSunMethodMovesTheTermsBetweenSolstices)
{
    CHSDate solstice{};
    solstice.cycle = 79;
    solstice.position = 30;
    solstice.term = 1;
    solstice.day = 1;
    CHSDate trueSolstice = solstice;
    ASSERT_TRUE(ChSDateToJDN(solstice, At(120, kEpochHuangdi, TermMethod::MeanSun)));
    ASSERT_TRUE(ChSDateToJDN(trueSolstice, At(120)));
    EXPECT_EQ(GregorianText(solstice.jdn), "2012-12-21");
    EXPECT_EQ(solstice.jdn, trueSolstice.jdn);

    CHSDate equinox = solstice;
    equinox.term = 7;
    CHSDate trueEquinox = equinox;
    ASSERT_TRUE(ChSDateToJDN(equinox, At(120, kEpochHuangdi, TermMethod::MeanSun)));
    ASSERT_TRUE(ChSDateToJDN(trueEquinox, At(120)));
    EXPECT_EQ(GregorianText(trueEquinox.jdn), "2013-03-20");
    EXPECT_EQ(GregorianText(equinox.jdn), "2013-03-23") << "a quarter of the solstice year after 2012-12-21 19:12";
}

// Japan (135 E): the same rule at another meridian. In 2012 the grain-full term (Z4) falls at
// 00:15 on 2012-05-21 there, but at 23:15 on 2012-05-20 in China; so in Japan the month from
// 2012-04-21 has no major term and is the leap third month, in China the leap month is the fourth.
TEST(ChineseConversion, JapanSpotChecks)
{
    CHLDate leap3 = LunarDate(2012, 3, 1, 1);
    ASSERT_EQ(ChLDateToJDN(leap3, At(135)), CHLResult::Found);
    EXPECT_EQ(GregorianText(leap3.jdn), "2012-04-21");
    CHLDate chinaLeap3 = LunarDate(2012, 3, 1, 1);
    EXPECT_EQ(ChLDateToJDN(chinaLeap3, At(120)), CHLResult::NoSuchMonth);
    CHLDate leap4 = LunarDate(2012, 4, 1, 1);
    EXPECT_EQ(ChLDateToJDN(leap4, At(135)), CHLResult::NoSuchMonth);

    struct Case {
        int year, month, day;
        const char* chl;
    };
    const Case cases[] = {{2012, 5, 20, "79-29-3*-30 CHL"}, {2012, 5, 21, "79-29-04-1 CHL"},
                          {2013, 2, 10, "79-30-01-1 CHL"},  {2013, 2, 9, "79-29-12-29 CHL"}};
    for (const Case& c : cases)
        EXPECT_EQ(Text(DatesOf(c.year, c.month, c.day, 135).chl), c.chl) << c.year << "-" << c.month << "-" << c.day;
}
