// Western date texts, names, date reading and day-count text.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "calendar/western/DatePr2.h"

namespace orlun {
namespace {

WesternDate MakeDate(int32_t y, int32_t m, int32_t d, char cal)
{
    return {y, m, d, cal == 'J' ? WesternCalendar::Julian : WesternCalendar::Gregorian};
}

char LetterOf(const WesternDate& d) { return d.calendar == WesternCalendar::Julian ? 'J' : 'G'; }

TEST(DatePr2TimeText, HoursAndMinutesOfAFraction)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double fraction;
        const char* text;
    } cases[] = {
        {0.0, "00:00"},
        {0.5, "12:00"},
        {0.25, "06:00"},
        {0.99999999, "23:59"},
        {0.999999999, "23:59"},
        {std::nextafter(1.0, 0.0), "23:59"},
        {(23 * 3600 + 59 * 60 + 59) / 86400.0, "23:59"},
        {(2 * 3600 + 31 * 60 + 59.9999) / 86400.0, "02:32"}, // lifted by the added hundred-millionth
        {(2 * 3600 + 31 * 60 + 59) / 86400.0, "02:31"},
        {(2 * 3600 + 32 * 60) / 86400.0, "02:32"},
        {1.0, "XX:XX:XX"},
        {1.5, "XX:XX:XX"},
        {-0.1, "XX:XX:XX"},
        {-1e-12, "XX:XX:XX"},
        {nan, "XX:XX:XX"},
        {inf, "XX:XX:XX"},
        {-inf, "XX:XX:XX"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TimeText(c.fraction), c.text) << "TimeText(" << c.fraction << ")";
}

TEST(DatePr2DateText, YearMonthDayWithGroupedLongYears)
{
    const struct {
        WesternDate date;
        const char* text;
    } cases[] = {
        {MakeDate(2001, 12, 31, 'G'), "2001-12-31"},
        {MakeDate(9999, 12, 31, 'G'), "9999-12-31"},
        {MakeDate(10000, 1, 1, 'G'), "10,000-01-01"},
        {MakeDate(12345, 6, 7, 'G'), "12,345-06-07"},
        {MakeDate(-100, 1, 1, 'J'), "-100-01-01"},
        {MakeDate(-9999, 3, 4, 'J'), "-9999-03-04"},
        {MakeDate(-10000, 3, 4, 'J'), "-10,000-03-04"},
        {MakeDate(-12345, 1, 1, 'G'), "-12,345-01-01"},
        {MakeDate(5, 1, 2, 'G'), "5-01-02"},
        {MakeDate(0, 2, 29, 'J'), "0-02-29"},
        {MakeDate(-5884323, 5, 15, 'G'), "-5,884,323-05-15"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DateText(c.date), c.text) << "DateText of year " << c.date.year;
}

TEST(DatePr2DateLongText, OrdinalSentence)
{
    const struct {
        WesternDate date;
        const char* text;
    } cases[] = {
        {MakeDate(2000, 1, 1, 'G'), "The 1st day of January in the year 2000 in the Common Era Calendar"},
        {MakeDate(2001, 12, 31, 'G'), "The 31st day of December in the year 2001 in the Common Era Calendar"},
        {MakeDate(1999, 12, 19, 'J'), "The 19th day of December in the year 1999 in the Julian Calendar"},
        {MakeDate(-44, 3, 15, 'J'), "The 15th day of March in the year -44 in the Julian Calendar"},
        {MakeDate(12345, 2, 2, 'G'), "The 2nd day of February in the year 12,345 in the Common Era Calendar"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DateLongText(c.date), c.text);
}

TEST(DatePr2DateLongText, DayOrdinals)
{
    const struct {
        int day;
        const char* text;
    } cases[] = {
        {1, "1st"},   {2, "2nd"},   {3, "3rd"},   {4, "4th"},   {10, "10th"},  {11, "11th"},
        {12, "12th"}, {13, "13th"}, {14, "14th"}, {20, "20th"}, {21, "21st"},  {22, "22nd"},
        {23, "23rd"}, {30, "30th"}, {31, "31st"}, {101, "101st"}, {111, "111th"}, {112, "112th"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DayOrdinal(c.day), c.text) << "ordinal of " << c.day;
        const std::string sentence = DateLongText(MakeDate(2001, 5, c.day, 'G'));
        EXPECT_EQ(sentence, std::string("The ") + c.text + " day of May in the year 2001 in the Common Era Calendar");
    }
}

TEST(DatePr2Names, WeekdaysAndMonths)
{
    const char* weekdays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(WeekdayName(i), weekdays[i]) << "weekday " << i;
    for (const int bad : {-1, 7, 100, -2147483647 - 1})
        EXPECT_EQ(WeekdayName(bad), "") << "weekday " << bad;

    const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                            "July",    "August",   "September", "October", "November", "December"};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(MonthName(m), months[m - 1]) << "month " << m;
    for (const int bad : {0, 13, -1})
        EXPECT_EQ(MonthName(bad), "") << "month " << bad;

    EXPECT_EQ(WeekdayNameOfJDN(DayNumber(2451545)), "Saturday") << "2000-01-01";
    EXPECT_EQ(WeekdayNameOfJDN(DayNumber(2299161)), "Friday") << "1582-10-15";
    EXPECT_EQ(WeekdayNumber(DayNumber(0)), 1) << "-4712-01-01 J was a Monday";
}

TEST(DatePr2SeparateThousands, SeparatorAndLength)
{
    EXPECT_EQ(SeparateThousands("1234567", ""), "1234567") << "an empty separator leaves the text";
    EXPECT_EQ(SeparateThousands("1234567", ","), "1,234,567");
    EXPECT_EQ(SeparateThousands("-12345", ","), "-12,345");
    EXPECT_EQ(SeparateThousands("999", ","), "999");
    // Longer than dayconv's 19 characters: grouped in full rather than cut.
    EXPECT_EQ(SeparateThousands("-123456789012345678901.5", ","), "-123,456,789,012,345,678,901.5");
}

TEST(DatePr2DayCountText, FourDecimalsGrouped)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {2455900.92, "2,455,900.9200"},
        {-0.5, "-0.5000"},
        {0.0, "0.0000"},
        {2451545.0, "2,451,545.0000"},
        {-2147483648.5, "-2,147,483,648.5000"},
        {1e20, "100,000,000,000,000,000,000.0000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DayCountText(c.value), c.text) << "DayCountText(" << c.value << ")";
}

struct ParseCase {
    std::string text;
    char letterIn;
    int status;
    char letterOut;
    int32_t year, month, day, jdn;
};

TEST(DatePr2ParseWesternDate, StatusRecordAndDayNumber)
{
    const ParseCase cases[] = {
        {"2001-12-31", 'G', 1, 'G', 2001, 12, 31, 2452275},
        {"2001 - 12 - 31", 'G', 1, 'G', 2001, 12, 31, 2452275},
        {" 2001-12-31 ", 'G', 1, 'G', 2001, 12, 31, 2452275},
        {"2001-12-31", 'X', 1, 'G', 2001, 12, 31, 2452275}, // unknown letters read as Common Era
        {"2001-12-31", 0, 1, 'G', 2001, 12, 31, 2452275},
        {"2000-01-01", 'J', 1, 'J', 2000, 1, 1, 2451558},
        {"-44-03-15", 'J', 1, 'J', -44, 3, 15, 1705061},
        {"1582-10-04", 'J', 1, 'J', 1582, 10, 4, 2299160},
        {"1582-10-15", 'G', 1, 'G', 1582, 10, 15, 2299161},
        {"1900-02-29", 'J', 1, 'J', 1900, 2, 29, 2415092},
        {"1900-02-29", 'G', 0, 'G', 0, 0, 0, 0},
        {"2001/12/31", 'G', 0, 'G', 0, 0, 0, 0}, // slashes drop out, leaving no separators
        {"2001-12", 'G', 0, 'G', 0, 0, 0, 0},
        {"-2001-12-31-", 'G', 0, 'G', 0, 0, 0, 0},
        {"2001--12-31", 'G', 0, 'G', 0, 0, 0, 0},
        {"", 'G', 0, 'G', 0, 0, 0, 0},
        {"2001-13-01", 'G', 0, 'G', 0, 0, 0, 0},
        {"1000000-01-01", 'G', -1, 'G', 0, 0, 0, 0},
        {"-1000000-01-01", 'J', -1, 'J', 0, 0, 0, 0},
        {std::string(500, '9') + "-01-01", 'G', -1, 'G', 0, 0, 0, 0},
        // Zodozizidu Zidevuze dates are read but converted by their own calendar.
        {"4697-11-25", 'R', 1, 'R', 4697, 11, 25, -7},
        {"4697-13-30", 'R', 1, 'R', 4697, 13, 30, -7},
        {"4697-14-01", 'R', 0, 'R', 0, 0, 0, 0},
    };
    for (const ParseCase& c : cases) {
        const std::string shown = c.text.size() > 30 ? c.text.substr(0, 30) + "..." : c.text;
        if (c.letterIn == 'R') {
            const std::optional<ARCDate> arc = ParseARCDateFields(c.text);
            EXPECT_EQ(arc.has_value(), c.status == 1) << "ParseARCDateFields(\"" << shown << "\")";
            if (arc) {
                EXPECT_TRUE(arc->year == c.year && arc->month == c.month && arc->day == c.day) << shown;
            }
            continue;
        }
        const WesternReading r = ParseWesternDate(c.text, MakeDate(0, 0, 0, c.letterIn).calendar);
        EXPECT_EQ(r.status, c.status) << "ParseWesternDate(\"" << shown << "\", " << c.letterIn << ")";
        if (c.status == 1) {
            const WesternDate& d = r.date;
            EXPECT_EQ(LetterOf(d), c.letterOut) << "calendar after \"" << shown << "\"";
            EXPECT_TRUE(d.year == c.year && d.month == c.month && d.day == c.day && r.day.value() == c.jdn)
                << "\"" << shown << "\" read as " << d.year << "-" << d.month << "-" << d.day << " jdn "
                << r.day.value() << ", expected " << c.year << "-" << c.month << "-" << c.day << " jdn " << c.jdn;
        }
    }
}

TEST(DatePr2CEAndJC, DayCountTruncatedTowardZero)
{
    const struct {
        double x;
        int32_t jdn;
        const char* ce;
        const char* jc;
    } cases[] = {
        {2451545.9, 2451545, "2000-01-01", "1999-12-19"},
        {2451545.0, 2451545, "2000-01-01", "1999-12-19"},
        {2299160.5, 2299160, "1582-10-14", "1582-10-04"},
        {0.7, 0, "-4713-11-24", "-4712-01-01"},
        {-0.5, 0, "-4713-11-24", "-4712-01-01"},
        {-1.5, -1, "-4713-11-23", "-4713-12-31"},
    };
    for (const auto& c : cases) {
        const CEAndJC r = CEAndJCFromCJD(Meridian::Greenwich().At(c.x));
        EXPECT_EQ(r.day.value(), c.jdn) << "jdn of " << c.x;
        EXPECT_EQ(LetterOf(r.ce), 'G');
        EXPECT_EQ(LetterOf(r.jc), 'J');
        EXPECT_EQ(DateText(r.ce), c.ce) << "CE date of " << c.x;
        EXPECT_EQ(DateText(r.jc), c.jc) << "JC date of " << c.x;
        EXPECT_TRUE(r.inRange) << c.x;
    }
}

TEST(DatePr2CEAndJC, CountsBeyondTheDayNumbersAreMarkedInvalid)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double x;
        int32_t jdn;
    } cases[] = {
        {nan, 0},
        {1e12, 2147483647},
        {-1e12, -2147483647 - 1},
        {std::numeric_limits<double>::infinity(), 2147483647},
    };
    for (const auto& c : cases) {
        const CEAndJC r = CEAndJCFromCJD(Meridian::Greenwich().At(c.x));
        EXPECT_FALSE(r.inRange) << "dates of " << c.x;
        EXPECT_EQ(r.day.value(), c.jdn) << "jdn of " << c.x;
        EXPECT_EQ(DateText(r.ce), DateText(GregorianDate(r.day))) << c.x;
    }
    // The largest representable day numbers still convert.
    EXPECT_TRUE(CEAndJCFromCJD(Meridian::Greenwich().At(2147483647.9)).inRange);
    EXPECT_TRUE(CEAndJCFromCJD(Meridian::Greenwich().At(-2147483648.9)).inRange);
}

TEST(DatePr2DayNumbers, DatesAndDayNumbersBothWays)
{
    EXPECT_EQ(DateToJDN(MakeDate(2000, 1, 1, 'G')).value(), 2451545);
    EXPECT_EQ(DateText(JDNToDate(DayNumber(2451545), WesternCalendar::Julian)), "1999-12-19");
    // Fields are counted as given: month 13 runs on into the next year, though the date is not ok().
    EXPECT_EQ(DateToJDN(MakeDate(2000, 13, 1, 'G')), DateToJDN(MakeDate(2001, 1, 1, 'G')));
    EXPECT_FALSE(MakeDate(2000, 13, 1, 'G').ok());
}

} // namespace
} // namespace orlun
