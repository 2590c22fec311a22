// Western calendar arithmetic of dayconv: day numbers, weekdays, date reading, grouping, zone.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "engine/dayconv.h"

namespace {

WesternDateRecord MakeDate(int32_t y, int32_t m, int32_t d, char cal)
{
    WesternDateRecord r;
    r.year = y;
    r.month = m;
    r.day = d;
    r.calendar = static_cast<uint16_t>(cal);
    return r;
}

WesternDateRecord FromJdn(int32_t jdn, char cal)
{
    WesternDateRecord r;
    r.jdn = jdn;
    r.calendar = static_cast<uint16_t>(cal);
    jdn_to_euro_date(&r);
    return r;
}

std::string Show(const WesternDateRecord& r)
{
    return std::to_string(r.year) + "-" + std::to_string(r.month) + "-" + std::to_string(r.day) +
           " " + static_cast<char>(r.calendar);
}

// Independent of the code under test: the leap rules written out plainly.
int DaysInMonth(int64_t y, int m, char cal)
{
    static const int kLen[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int64_t y4 = ((y % 4) + 4) % 4;
    const int64_t y100 = ((y % 100) + 100) % 100;
    const int64_t y400 = ((y % 400) + 400) % 400;
    const bool leap = cal == 'J' ? y4 == 0 : (y4 == 0 && y100 != 0) || y400 == 0;
    return m == 2 && leap ? 29 : kLen[m - 1];
}

struct KnownDay {
    int32_t year, month, day;
    char cal;
    int32_t jdn;
};

// Day numbers from published tables (Meeus, Astronomical Algorithms, ch. 7) and the calendar reform.
const KnownDay kKnownDays[] = {
    {-4712, 1, 1, 'J', 0},
    {-4713, 11, 24, 'G', 0},
    {-4712, 1, 2, 'J', 1},
    {-4712, 1, 1, 'G', 38},
    {-1001, 8, 17, 'J', 1355671},
    {-1000, 7, 12, 'J', 1356001},
    {-43, 3, 15, 'J', 1705426}, // the Ides of March of 44 BC
    {-44, 3, 15, 'J', 1705061},
    {0, 1, 1, 'J', 1721058},
    {0, 1, 1, 'G', 1721060},
    {0, 2, 29, 'J', 1721117},
    {0, 2, 29, 'G', 1721119},
    {-1, 12, 31, 'J', 1721057},
    {1, 1, 1, 'J', 1721424},
    {1, 1, 1, 'G', 1721426},
    {333, 1, 27, 'J', 1842713},
    {837, 4, 10, 'J', 2026872},
    {1582, 10, 4, 'J', 2299160},
    {1582, 10, 5, 'J', 2299161},
    {1582, 10, 14, 'G', 2299160},
    {1582, 10, 15, 'G', 2299161},
    {1600, 12, 31, 'G', 2305813},
    {1858, 11, 17, 'G', 2400001},
    {1900, 2, 28, 'G', 2415079},
    {1900, 3, 1, 'G', 2415080},
    {1900, 2, 29, 'J', 2415092},
    {1970, 1, 1, 'G', 2440588},
    {1987, 6, 19, 'G', 2446966},
    {2000, 1, 1, 'G', 2451545},
    {2000, 1, 1, 'J', 2451558},
    {2000, 2, 29, 'G', 2451604},
};

TEST(DayconvDayNumbers, KnownDatesBothWays)
{
    for (const KnownDay& k : kKnownDays) {
        WesternDateRecord r = MakeDate(k.year, k.month, k.day, k.cal);
        const int32_t got = euro_date_to_jdn(&r);
        EXPECT_EQ(got, k.jdn) << "euro_date_to_jdn(" << Show(r) << ") = " << got << ", expected " << k.jdn;
        EXPECT_EQ(r.jdn, k.jdn) << "jdn field of " << Show(r);

        const WesternDateRecord back = FromJdn(k.jdn, k.cal);
        EXPECT_TRUE(back.year == k.year && back.month == k.month && back.day == k.day)
            << "jdn_to_euro_date(" << k.jdn << ", " << k.cal << ") = " << Show(back) << ", expected "
            << k.year << "-" << k.month << "-" << k.day;
    }
}

TEST(DayconvDayNumbers, CyclesHoldFarFromTheEpoch)
{
    // 400 Gregorian years are 146097 days and 4 Julian years 1461 days, wherever they start.
    const int32_t bases[] = {-999999, -100000, -4712, 0, 1582, 2000, 100000, 999599};
    for (const int32_t y : bases) {
        WesternDateRecord g0 = MakeDate(y, 3, 1, 'G');
        WesternDateRecord g1 = MakeDate(y + 400, 3, 1, 'G');
        EXPECT_EQ(int64_t{euro_date_to_jdn(&g1)} - euro_date_to_jdn(&g0), 146097) << "Gregorian year " << y;
        WesternDateRecord j0 = MakeDate(y, 3, 1, 'J');
        WesternDateRecord j1 = MakeDate(y + 4, 3, 1, 'J');
        EXPECT_EQ(int64_t{euro_date_to_jdn(&j1)} - euro_date_to_jdn(&j0), 1461) << "Julian year " << y;
    }
}

TEST(DayconvDayNumbers, MonthAndDayBeyondTheirRangeCountOn)
{
    const struct {
        WesternDateRecord given;
        WesternDateRecord same;
    } cases[] = {
        {MakeDate(2000, 13, 1, 'G'), MakeDate(2001, 1, 1, 'G')},
        {MakeDate(2000, 0, 1, 'G'), MakeDate(1999, 12, 1, 'G')},
        {MakeDate(2000, -11, 1, 'J'), MakeDate(1999, 1, 1, 'J')},
        {MakeDate(2000, 3, 0, 'G'), MakeDate(2000, 2, 29, 'G')},
        {MakeDate(1900, 3, 0, 'G'), MakeDate(1900, 2, 28, 'G')},
        {MakeDate(1900, 3, 0, 'J'), MakeDate(1900, 2, 29, 'J')},
        {MakeDate(2001, 1, 366, 'G'), MakeDate(2002, 1, 1, 'G')},
    };
    for (auto c : cases) {
        const int32_t a = euro_date_to_jdn(&c.given);
        const int32_t b = euro_date_to_jdn(&c.same);
        EXPECT_EQ(a, b) << Show(c.given) << " gives " << a << ", " << Show(c.same) << " gives " << b;
    }
}

TEST(DayconvDayNumbers, ThirtyTwoBitExtremesRoundTrip)
{
    const int32_t jdns[] = {INT32_MIN, INT32_MIN + 1, -1, 0, INT32_MAX - 1, INT32_MAX};
    for (const char cal : {'G', 'J'}) {
        for (const int32_t jdn : jdns) {
            WesternDateRecord r = FromJdn(jdn, cal);
            EXPECT_TRUE(r.month >= 1 && r.month <= 12 && r.day >= 1 && r.day <= DaysInMonth(r.year, r.month, cal))
                << "jdn " << jdn << " " << cal << " gives " << Show(r);
            r.jdn = 12345;
            const int32_t back = euro_date_to_jdn(&r);
            EXPECT_EQ(back, jdn) << cal << " jdn " << jdn << " -> " << Show(r) << " -> " << back;
        }
    }
    // The extremes, counted out independently by whole calendar cycles.
    EXPECT_EQ(Show(FromJdn(INT32_MIN, 'J')), "-5884202-3-16 J");
    EXPECT_EQ(Show(FromJdn(INT32_MAX, 'J')), "5874777-10-17 J");
    EXPECT_EQ(Show(FromJdn(INT32_MIN, 'G')), "-5884323-5-15 G");
    EXPECT_EQ(Show(FromJdn(INT32_MAX, 'G')), "5874898-6-3 G");
}

// Walks day by day: each next day number is the next calendar date, one weekday later, and
// converts back to its own number.
void SweepDays(int32_t firstJdn, int32_t count, char cal)
{
    WesternDateRecord prev = FromJdn(firstJdn, cal);
    int32_t prevWeekday = euro_day_of_week(firstJdn);
    for (int32_t i = 1; i < count; ++i) {
        const int32_t jdn = firstJdn + i;
        WesternDateRecord cur = FromJdn(jdn, cal);
        const int32_t weekday = euro_day_of_week(jdn);

        bool nextDate;
        if (prev.day < DaysInMonth(prev.year, prev.month, cal))
            nextDate = cur.year == prev.year && cur.month == prev.month && cur.day == prev.day + 1;
        else if (prev.month < 12)
            nextDate = cur.year == prev.year && cur.month == prev.month + 1 && cur.day == 1;
        else
            nextDate = cur.year == prev.year + 1 && cur.month == 1 && cur.day == 1;

        WesternDateRecord copy = cur;
        copy.jdn = 0;
        const int32_t back = euro_date_to_jdn(&copy);
        const bool ok = nextDate && weekday == (prevWeekday + 1) % 7 && back == jdn;
        if (!ok) {
            ADD_FAILURE() << cal << " jdn " << jdn << ": " << Show(prev) << " (weekday " << prevWeekday
                          << ") followed by " << Show(cur) << " (weekday " << weekday
                          << "), converted back to " << back;
            return;
        }
        prev = cur;
        prevWeekday = weekday;
    }
}

TEST(DayconvDayNumbers, DayByDaySweep)
{
    // -2999-01-01 J to about 3000 CE, across year 0 and the calendar reform, in both calendars.
    const int32_t from = 625000;
    const int32_t days = 2200000;
    SweepDays(from, days, 'G');
    SweepDays(from, days, 'J');
    // And the edges of the 32-bit range.
    SweepDays(INT32_MIN, 4000, 'G');
    SweepDays(INT32_MIN, 4000, 'J');
    SweepDays(INT32_MAX - 3999, 4000, 'G');
    SweepDays(INT32_MAX - 3999, 4000, 'J');
}

TEST(DayconvWeekday, KnownDays)
{
    const struct {
        int32_t jdn;
        int32_t weekday;
    } cases[] = {
        {0, 1},         // -4712-01-01 J, Monday
        {2299160, 4},   // 1582-10-04 J, Thursday
        {2299161, 5},   // 1582-10-15 G, Friday
        {2451545, 6},   // 2000-01-01, Saturday
        {2440588, 4},   // 1970-01-01, Thursday
        {-1, 0},        // Sunday
        {-7, 1},
        {INT32_MAX, 2}, // 2^31 = 2 (mod 7)
        {INT32_MIN, 6},
    };
    for (const auto& c : cases)
        EXPECT_EQ(euro_day_of_week(c.jdn), c.weekday) << "weekday of jdn " << c.jdn;
}

struct ReadCase {
    std::string text;
    char cal;
    int32_t result;
    int32_t year, month, day;
};

TEST(DayconvStrToDate, ReadsAndRefuses)
{
    const std::string nines(300, '9');
    const std::string zeros(300, '0');
    const ReadCase cases[] = {
        {"2001-12-31", 'G', 0, 2001, 12, 31},
        {"2001-1-2", 'G', 0, 2001, 1, 2},
        {"0-01-01", 'G', 0, 0, 1, 1},
        {"-44-03-15", 'J', 0, -44, 3, 15},
        {"2000-02-29", 'G', 0, 2000, 2, 29},
        {"1900-02-29", 'J', 0, 1900, 2, 29},
        {"1900-02-29", 'G', -1, 0, 0, 0},
        {"2001-02-29", 'G', -1, 0, 0, 0},
        {"2001-02-29", 'J', -1, 0, 0, 0},
        {"2001-04-31", 'G', -1, 0, 0, 0},
        {"2001-04-30", 'G', 0, 2001, 4, 30},
        {"2001-13-01", 'G', -1, 0, 0, 0},
        {"2001-00-10", 'G', -1, 0, 0, 0},
        {"2001-12-00", 'G', -1, 0, 0, 0},
        {"2001-12-32", 'G', -1, 0, 0, 0},
        {"", 'G', -1, 0, 0, 0},
        {"-", 'G', -1, 0, 0, 0},
        {"--", 'G', -1, 0, 0, 0},
        {"2001/12/31", 'G', -1, 0, 0, 0},
        {"20011231", 'G', -1, 0, 0, 0},
        {"2001-12", 'G', -1, 0, 0, 0},
        {"2001--31", 'G', -1, 0, 0, 0},
        {"-2001-12-", 'G', -1, 0, 0, 0},
        {"2001-12-31-", 'G', -1, 0, 0, 0},
        {"2001-12-31-5", 'G', -1, 0, 0, 0},
        {"--2001-12-31", 'G', -1, 0, 0, 0},
        {"+2001-12-31", 'G', -1, 0, 0, 0},
        {" 2001-12-31", 'G', -1, 0, 0, 0},
        {"2001-12-31 ", 'G', -1, 0, 0, 0},
        {"2001-12-3x", 'G', -1, 0, 0, 0},
        {"999999-12-31", 'G', 0, 999999, 12, 31},
        {"-999999-01-01", 'J', 0, -999999, 1, 1},
        {"1000000-01-01", 'G', -5, 0, 0, 0},
        {"-1000000-01-01", 'G', -5, 0, 0, 0},
        {nines + "-01-01", 'G', -5, 0, 0, 0},
        {"-" + nines + "-01-01", 'G', -5, 0, 0, 0},
        {"2001-" + nines + "-01", 'G', -1, 0, 0, 0},
        {"2001-01-" + nines, 'G', -1, 0, 0, 0},
        {zeros + "2001-" + zeros + "1-" + zeros + "2", 'G', 0, 2001, 1, 2},
        {"2001-99999999999999999999999-01", 'G', -1, 0, 0, 0},
        // Zodozizidu Zidevuze: up to 13 months of up to 30 days.
        {"4697-13-30", 'R', 0, 4697, 13, 30},
        {"4697-02-30", 'R', 0, 4697, 2, 30},
        {"4697-14-01", 'R', -1, 0, 0, 0},
        {"4697-01-31", 'R', -1, 0, 0, 0},
        {"1000000-01-01", 'R', -5, 0, 0, 0},
    };
    for (const ReadCase& c : cases) {
        WesternDateRecord r = MakeDate(7, 7, 7, 'X');
        const int32_t result = str_to_date(c.text.c_str(), kOrderYearMonthDay, &r, static_cast<int16_t>(c.cal));
        const std::string shown = c.text.size() > 40 ? c.text.substr(0, 40) + "..." : c.text;
        EXPECT_EQ(result, c.result) << "str_to_date(\"" << shown << "\", " << c.cal << ")";
        if (c.result == 0) {
            EXPECT_TRUE(r.year == c.year && r.month == c.month && r.day == c.day && r.calendar == c.cal)
                << "\"" << shown << "\" read as " << Show(r);
        } else {
            EXPECT_TRUE(r.year == 7 && r.month == 7 && r.day == 7 && r.calendar == 'X')
                << "refused \"" << shown << "\" changed the record to " << Show(r);
        }
    }
}

TEST(DayconvStrToDate, RefusesNullArgumentsAndOtherOrders)
{
    WesternDateRecord r;
    EXPECT_EQ(str_to_date(nullptr, kOrderYearMonthDay, &r, 'G'), -1);
    EXPECT_EQ(str_to_date("2001-12-31", kOrderYearMonthDay, nullptr, 'G'), -1);
    EXPECT_EQ(str_to_date("2001-12-31", 1, &r, 'G'), -1) << "order 1 (month-day-year) is not supported";
}

TEST(DayconvSeparateThousands, GroupsTheWholePart)
{
    const struct {
        const char* in;
        int16_t sep;
        const char* out;
    } cases[] = {
        {"-12345", ',', "-12,345"},
        {"2455900.9200", ',', "2,455,900.9200"},
        {"-2455900.9200", ',', "-2,455,900.9200"},
        {"-0.5000", ',', "-0.5000"},
        {"0", ',', "0"},
        {"123", ',', "123"},
        {"-123", ',', "-123"},
        {"1234", ',', "1,234"},
        {"-1234", ',', "-1,234"},
        {"123456", ',', "123,456"},
        {"1000000", ',', "1,000,000"},
        {" 12345", ',', " 12,345"},
        {"12345", '.', "12.345"},
        {"12345", 0, "12345"},
        {"12345", 0x263A, "12345"},
        {"-2147483648.0000", ',', "-2,147,483,648.0000"},
        {"", ',', ""},
        {"abc", ',', "abc"},
    };
    for (const auto& c : cases) {
        char out[kSeparateThousandsBuffer];
        separate_thousands(c.in, c.sep, out);
        EXPECT_STREQ(out, c.out) << "separate_thousands(\"" << c.in << "\", " << c.sep << ")";
    }
}

TEST(DayconvSeparateThousands, NeverWritesBeyondTwentyCharacters)
{
    const char* inputs[] = {"12345678901234567890123456789", "-1234567890123456.7890",
                            "12345678901234567890123456789012345678901234567890"};
    for (const char* in : inputs) {
        char out[64];
        std::memset(out, 'Z', sizeof out);
        separate_thousands(in, ',', out);
        EXPECT_EQ(std::strlen(out), kSeparateThousandsBuffer - 1) << "input " << in << " gave " << out;
        for (size_t i = kSeparateThousandsBuffer; i < sizeof out; ++i)
            ASSERT_EQ(out[i], 'Z') << "input " << in << " wrote byte " << i;
        const std::string full = group_thousands(in, ',');
        EXPECT_EQ(std::string(out), full.substr(0, kSeparateThousandsBuffer - 1)) << "input " << in;
    }
    char out[kSeparateThousandsBuffer] = "junk";
    separate_thousands(nullptr, ',', out);
    EXPECT_STREQ(out, "") << "a null number gives an empty text";
    separate_thousands("123", ',', nullptr); // must simply return
}

TEST(DayconvSeparateThousands, UnlimitedGroupingKeepsEveryDigit)
{
    EXPECT_EQ(group_thousands("-100000000000000000000.0000", ','), "-100,000,000,000,000,000,000.0000");
    EXPECT_EQ(group_thousands("12345", '\0'), "12345");
}

// Runs the body with the process time zone set to a POSIX zone string, restoring it afterwards.
class ScopedZone {
public:
    explicit ScopedZone(const char* zone)
    {
        const char* old = std::getenv("TZ");
        hadOld_ = old != nullptr;
        if (hadOld_)
            old_ = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedZone()
    {
        if (hadOld_)
            setenv("TZ", old_.c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    bool hadOld_ = false;
    std::string old_;
};

TEST(DayconvTimezone, SecondsWestOfGreenwich)
{
    const struct {
        const char* zone;
        int32_t west;
    } cases[] = {
        {"UTC0", 0},
        {"EST5", 18000},
        {"IST-5:30", -19800},
        {"NPT-5:45", -20700},
        {"CST-8", -28800},
    };
    for (const auto& c : cases) {
        ScopedZone zone(c.zone);
        EXPECT_EQ(get_timezone(), c.west) << "TZ=" << c.zone;
    }
}

} // namespace
