// Zodozizidu Zidevuze: year structure, conversion, validity, moves, texts and extremes.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <sstream>
#include <string>

#include "calendar/arc/ArcCal.h"

namespace orlun {
namespace {

constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();

ARCDate MakeARC(int32_t year, int32_t month, int32_t day) { return {year, month, day}; }

std::string Ymd(const ARCDate& rec)
{
    std::ostringstream out;
    out << rec.year << "-" << rec.month << "-" << rec.day << (ARCToJDN(rec) ? "" : " (invalid)");
    return out.str();
}

// The day number of a date, 0 for none (for comparisons and messages).
int32_t DayOf(const ARCDate& rec)
{
    const std::optional<DayNumber> day = ARCToJDN(rec);
    return day ? day->value() : 0;
}

// Years of each kind, with their lengths (12 or 13 months, with or without day 30 of month 10).
constexpr int32_t kPlainYear = 2003;         // 354
constexpr int32_t kExtraDayYear = 2001;      // 355
constexpr int32_t kThirteenYear = 2000;      // 384
constexpr int32_t kThirteenExtraYear = 2011; // 385

TEST(ArcYearStructure, YearKindsAndLengths)
{
    const struct {
        int32_t year;
        bool thirteen;
        bool extra;
        int length;
    } cases[] = {
        {kPlainYear, false, false, 354},
        {kExtraDayYear, false, true, 355},
        {kThirteenYear, true, false, 384},
        {kThirteenExtraYear, true, true, 385},
        {442, false, false, 354},  // last year of a cycle
        {443, false, false, 354},  // first year of the epoch cycle
        {444, true, false, 384},
        {2245, false, false, 354},
        {2246, false, false, 354},
        {4697, false, false, 354},
        {-303, true, false, 384},
        {-1, true, false, 384},
        {0, false, false, 354},
        {1, true, false, 384},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ARCIsThirteenMonthYear(c.year), c.thirteen) << "year " << c.year;
        EXPECT_EQ(ARCHasExtraDay(c.year), c.extra) << "year " << c.year;
        EXPECT_EQ(ARCYearLength(c.year), c.length) << "year " << c.year;
    }
}

TEST(ArcYearStructure, EveryCycleSumsTo658532DaysWith664LongAnd350ExtraDayYears)
{
    // The epoch cycle, its neighbours, and cycles far away on both sides.
    const int32_t firstYears[] = {443, 443 - 1803, 443 + 1803, 443 + 1803 * 3, 443 - 1803 * 1000,
                                  443 + 1803 * 1000};
    for (int32_t first : firstYears) {
        int64_t days = 0;
        int longYears = 0;
        int extraDays = 0;
        for (int32_t y = first; y < first + kARCCycleYears; ++y) {
            days += ARCYearLength(y);
            longYears += ARCIsThirteenMonthYear(y) ? 1 : 0;
            extraDays += ARCHasExtraDay(y) ? 1 : 0;
        }
        EXPECT_EQ(days, 658532) << "cycle from year " << first;
        EXPECT_EQ(longYears, 664) << "cycle from year " << first;
        EXPECT_EQ(extraDays, 350) << "cycle from year " << first;

        const std::optional<DayNumber> start = ARCToJDN(MakeARC(first, 1, 1));
        const std::optional<DayNumber> next = ARCToJDN(MakeARC(first + kARCCycleYears, 1, 1));
        ASSERT_TRUE(start) << "year " << first;
        ASSERT_TRUE(next) << "year " << first + kARCCycleYears;
        EXPECT_EQ(next->value() - start->value(), 658532) << "cycle from year " << first;
    }
}

TEST(ArcYearStructure, MonthLengths)
{
    const struct {
        int32_t year;
        int32_t month;
        int length;
    } cases[] = {
        {kPlainYear, 1, 30},          {kPlainYear, 2, 29},          {kPlainYear, 9, 30},
        {kPlainYear, 10, 29},         {kPlainYear, 11, 30},         {kPlainYear, 12, 29},
        {kPlainYear, 13, -2},         {kExtraDayYear, 10, 30},      {kExtraDayYear, 13, -2},
        {kThirteenYear, 10, 29},      {kThirteenYear, 13, 30},      {kThirteenExtraYear, 10, 30},
        {kThirteenExtraYear, 13, 30}, {kPlainYear, 0, -1},          {kPlainYear, 14, -1},
        {kPlainYear, -1, -1},         {kPlainYear, kInt32Max, -1},  {kPlainYear, kInt32Min, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ARCMonthLength(c.year, c.month), c.length)
            << "ARCMonthLength(" << c.year << ", " << c.month << ")";
}

TEST(ArcConversion, KnownDays)
{
    const struct {
        int32_t jdn;
        int32_t year, month, day;
    } cases[] = {
        {2451545, 4697, 11, 25}, // 2000-01-01 CE
        {897474, 443, 1, 1},     // epoch
        {897473, 442, 12, 29},   // last day of the previous cycle
        {1556005, 2245, 12, 29}, // last day of the epoch cycle
        {1556006, 2246, 1, 1},
        {625333, -303, 12, 14},  // -3000-01-01 CE
        {2816788, 5697, 12, 4},  // 3000-01-01 CE
        {2299161, 4280, 9, 19},
        {1721426, 2698, 12, 20},
        {0, -2015, 10, 20},
        {-1, -2015, 10, 19},
        {kInt32Max, 5877598, 5, 7},
        {kInt32Min, -5881627, 4, 3},
    };
    for (const auto& c : cases) {
        const ARCDate got = JDNToARC(DayNumber(c.jdn));
        EXPECT_TRUE(got.ok()) << "JDN " << c.jdn;
        EXPECT_EQ(got.year, c.year) << "JDN " << c.jdn << " gave " << Ymd(got);
        EXPECT_EQ(got.month, c.month) << "JDN " << c.jdn << " gave " << Ymd(got);
        EXPECT_EQ(got.day, c.day) << "JDN " << c.jdn << " gave " << Ymd(got);

        const ARCDate back = MakeARC(c.year, c.month, c.day);
        EXPECT_EQ(ARCToJDN(back), std::optional(DayNumber(c.jdn))) << "ARCToJDN of " << Ymd(back);
    }
}

TEST(ArcConversion, Validity)
{
    const struct {
        int32_t year, month, day;
        bool valid;
    } cases[] = {
        {kPlainYear, 1, 1, true},
        {kPlainYear, 1, 30, true},
        {kPlainYear, 2, 29, true},
        {kPlainYear, 2, 30, false},
        {kThirteenExtraYear, 2, 30, false},
        {kPlainYear, 10, 30, false},
        {kThirteenYear, 10, 30, false},
        {kExtraDayYear, 10, 30, true},
        {kThirteenExtraYear, 10, 30, true},
        {kThirteenYear, 13, 30, true},
        {kThirteenExtraYear, 13, 30, true},
        {-303, 13, 30, true},
        {kPlainYear, 13, 1, false},
        {kExtraDayYear, 13, 1, false},
        {kPlainYear, 12, 30, false},
        {kPlainYear, 11, 30, true},
        {kPlainYear, 0, 1, false},
        {kPlainYear, 14, 1, false},
        {kPlainYear, -1, 1, false},
        {kPlainYear, 1, 0, false},
        {kPlainYear, 1, 31, false},
        {kPlainYear, 1, -5, false},
        {kPlainYear, kInt32Max, kInt32Max, false},
        {kPlainYear, kInt32Min, kInt32Min, false},
        // Dates past either end of the 32-bit day numbers have no day number.
        {5877598, 5, 7, true},
        {5877598, 5, 8, false},
        {kInt32Max, 1, 1, false},
        {-5881627, 4, 3, true},
        {-5881627, 4, 2, false},
        {kInt32Min, 1, 1, false},
    };
    for (const auto& c : cases) {
        const ARCDate rec = MakeARC(c.year, c.month, c.day);
        EXPECT_EQ(ARCIsValid(c.year, c.month, c.day), c.valid) << Ymd(rec);
        EXPECT_EQ(ARCToJDN(rec).has_value(), c.valid) << "an invalid date has no day number: " << Ymd(rec);
        // The fields' ranges alone: a valid date always has them, a day 31 or month 14 never.
        if (c.valid) {
            EXPECT_TRUE(rec.ok()) << Ymd(rec);
        }
        if (c.month < 1 || c.month > 13 || c.day < 1 || c.day > 30) {
            EXPECT_FALSE(rec.ok()) << Ymd(rec);
        }
    }
}

// The date after rec by the month lengths alone.
ARCDate NextDay(const ARCDate& rec)
{
    ARCDate next = rec;
    if (rec.day < ARCMonthLength(rec.year, rec.month)) {
        ++next.day;
    } else if (ARCMonthLength(rec.year, rec.month + 1) > 0) {
        ++next.month;
        next.day = 1;
    } else {
        ++next.year;
        next.month = 1;
        next.day = 1;
    }
    return next;
}

// Every day of [first, last] converts to the day after the previous one and back to itself.
void SweepDays(int32_t first, int32_t last)
{
    ARCDate expected = JDNToARC(DayNumber(first));
    int failures = 0;
    for (int64_t j = first; j <= last && failures < 10; ++j) {
        const int32_t jdn = static_cast<int32_t>(j);
        const ARCDate got = JDNToARC(DayNumber(jdn));
        if (got != expected || !got.ok()) {
            ADD_FAILURE() << "JDN " << jdn << " gave " << Ymd(got) << ", expected "
                          << Ymd(expected) << " (the day after JDN " << jdn - 1 << ")";
            ++failures;
        }
        const std::optional<DayNumber> back = ARCToJDN(got);
        if (back != DayNumber(jdn)) {
            ADD_FAILURE() << "ARCToJDN of " << Ymd(got) << " gave " << DayOf(got) << ", expected "
                          << jdn;
            ++failures;
        }
        expected = NextDay(got);
    }
}

TEST(ArcConversion, DayByDayOverTheWholeRangeOfChineseDates)
{
    // -3000 to 3000 CE: more than three cycles, with the epoch and two cycle boundaries.
    SweepDays(625333, 2816788);
}

TEST(ArcConversion, DayByDayAtTheEndsOfTheDayNumbers)
{
    SweepDays(kInt32Min, kInt32Min + 4000);
    SweepDays(kInt32Max - 4000, kInt32Max);
    SweepDays(-4000, 4000);
}

TEST(ArcMoves, ByMonth)
{
    const struct {
        ARCDate from;
        bool forward;
        ARCDate to;
    } cases[] = {
        {MakeARC(kPlainYear, 11, 30), true, MakeARC(kPlainYear, 12, 29)},
        {MakeARC(kThirteenYear, 12, 29), true, MakeARC(kThirteenYear, 13, 29)},
        {MakeARC(kPlainYear, 12, 29), true, MakeARC(kPlainYear + 1, 1, 29)},
        {MakeARC(kExtraDayYear, 12, 29), true, MakeARC(kExtraDayYear + 1, 1, 29)},
        {MakeARC(kPlainYear, 9, 30), true, MakeARC(kPlainYear, 10, 29)},
        {MakeARC(kThirteenYear, 9, 30), true, MakeARC(kThirteenYear, 10, 29)},
        {MakeARC(kExtraDayYear, 9, 30), true, MakeARC(kExtraDayYear, 10, 30)},
        {MakeARC(kThirteenExtraYear, 9, 30), true, MakeARC(kThirteenExtraYear, 10, 30)},
        {MakeARC(kThirteenYear, 13, 30), true, MakeARC(kThirteenYear + 1, 1, 30)},
        {MakeARC(kThirteenYear, 12, 5), true, MakeARC(kThirteenYear, 13, 5)},
        {MakeARC(kPlainYear, 1, 30), true, MakeARC(kPlainYear, 2, 29)},
        {MakeARC(kPlainYear, 1, 15), true, MakeARC(kPlainYear, 2, 15)},
        {MakeARC(442, 12, 29), true, MakeARC(443, 1, 29)},
        // Backward: month 1 goes to the last month of the previous year.
        {MakeARC(kThirteenYear + 1, 1, 30), false, MakeARC(kThirteenYear, 13, 30)},
        {MakeARC(kPlainYear + 1, 1, 30), false, MakeARC(kPlainYear, 12, 29)},
        {MakeARC(kExtraDayYear, 1, 1), false, MakeARC(kExtraDayYear - 1, 13, 1)},
        {MakeARC(443, 1, 10), false, MakeARC(442, 12, 10)},
        {MakeARC(kPlainYear, 3, 30), false, MakeARC(kPlainYear, 2, 29)},
        {MakeARC(kPlainYear, 11, 30), false, MakeARC(kPlainYear, 10, 29)},
        {MakeARC(kExtraDayYear, 11, 30), false, MakeARC(kExtraDayYear, 10, 30)},
        {MakeARC(kThirteenYear, 13, 30), false, MakeARC(kThirteenYear, 12, 29)},
        {MakeARC(kPlainYear, 2, 29), false, MakeARC(kPlainYear, 1, 29)},
    };
    for (const auto& c : cases) {
        ARCDate rec = c.from;
        ARCMoveMonth(rec, c.forward);
        ASSERT_TRUE(ARCToJDN(c.to)) << Ymd(c.to);
        EXPECT_EQ(Ymd(rec), Ymd(c.to))
            << "month " << (c.forward ? "forward" : "backward") << " from " << Ymd(c.from);
        EXPECT_EQ(DayOf(rec), DayOf(c.to)) << "moved from " << Ymd(c.from);
    }
}

TEST(ArcMoves, ByYear)
{
    const struct {
        ARCDate from;
        bool forward;
        ARCDate to;
    } cases[] = {
        {MakeARC(kThirteenYear, 13, 30), true, MakeARC(kThirteenYear + 1, 12, 29)},
        {MakeARC(kThirteenYear, 13, 12), true, MakeARC(kThirteenYear + 1, 12, 12)},
        {MakeARC(kThirteenYear, 13, 30), false, MakeARC(kThirteenYear - 1, 12, 29)},
        {MakeARC(kThirteenExtraYear, 13, 30), true, MakeARC(kThirteenExtraYear + 1, 12, 29)},
        {MakeARC(kExtraDayYear, 10, 30), true, MakeARC(kExtraDayYear + 1, 10, 29)},
        {MakeARC(kExtraDayYear, 10, 30), false, MakeARC(kExtraDayYear - 1, 10, 29)},
        {MakeARC(kThirteenExtraYear, 10, 30), false, MakeARC(kThirteenExtraYear - 1, 10, 29)},
        {MakeARC(kPlainYear, 11, 30), true, MakeARC(kPlainYear + 1, 11, 30)},
        {MakeARC(kPlainYear, 12, 29), false, MakeARC(kPlainYear - 1, 12, 29)},
        {MakeARC(443, 1, 1), false, MakeARC(442, 1, 1)},
        {MakeARC(-1, 6, 6), true, MakeARC(0, 6, 6)},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(ARCToJDN(c.from)) << "test date " << Ymd(c.from);
        ARCDate rec = c.from;
        ARCMoveYear(rec, c.forward);
        ASSERT_TRUE(ARCToJDN(c.to)) << "test date " << Ymd(c.to);
        EXPECT_EQ(Ymd(rec), Ymd(c.to))
            << "year " << (c.forward ? "forward" : "backward") << " from " << Ymd(c.from);
        EXPECT_EQ(DayOf(rec), DayOf(c.to)) << "moved from " << Ymd(c.from);
    }
}

TEST(ArcMoves, NoOverflowAtTheEndsOfTheYearRange)
{
    // No day number exists out there: the moves leave the year in range and the date without one.
    ARCDate rec = MakeARC(kInt32Max, 12, 1);
    ARCMoveYear(rec, true);
    EXPECT_EQ(rec.year, kInt32Max);
    EXPECT_FALSE(ARCToJDN(rec));

    rec = MakeARC(kInt32Max, ARCIsThirteenMonthYear(kInt32Max) ? 13 : 12, 1);
    ARCMoveMonth(rec, true);
    EXPECT_EQ(rec.year, kInt32Max);
    EXPECT_FALSE(ARCToJDN(rec));

    rec = MakeARC(kInt32Min, 1, 1);
    ARCMoveMonth(rec, false);
    EXPECT_EQ(rec.year, kInt32Min);
    EXPECT_EQ(rec.month, 1);
    EXPECT_FALSE(ARCToJDN(rec));

    rec = MakeARC(kInt32Min, 5, 5);
    ARCMoveYear(rec, false);
    EXPECT_EQ(rec.year, kInt32Min);
    EXPECT_FALSE(ARCToJDN(rec));
}

TEST(ArcMoves, InvalidMonthsStayInvalid)
{
    ARCDate rec = MakeARC(kPlainYear, 14, 1);
    ARCMoveMonth(rec, true);
    EXPECT_FALSE(ARCToJDN(rec)) << Ymd(rec);
    rec = MakeARC(kPlainYear, 0, 30);
    ARCMoveYear(rec, true);
    EXPECT_FALSE(ARCToJDN(rec)) << Ymd(rec);
    EXPECT_FALSE(rec.ok()) << Ymd(rec);
}

TEST(ArcText, FormsOfOneDate)
{
    const ARCDate rec = JDNToARC(DayNumber(2451545)); // 4697-11-25
    const struct {
        int form;
        const char* text;
    } cases[] = {
        {1, "4697-11-25 ARC"},
        {2, "4697-11-25 ARC (Mars Day, Dionysus 25,  4697)"},
        {3, "Dionysus 25,  4697"},
        {4, "The 25th day of Dionysus in the year 4697"},
        {5, "Mars Day, Dionysus 25,  4697"},
        {0, ""},
        {6, ""},
        {-1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ARCDateStr(rec, static_cast<ARCTextForm>(c.form)), c.text) << "form " << c.form << " of " << Ymd(rec);
    static_assert(static_cast<int>(ARCTextForm::Short) == 1 && static_cast<int>(ARCTextForm::Long) == 4);
}

TEST(ArcText, PaddingSignsAndOrdinals)
{
    const struct {
        ARCDate rec;
        int form;
        const char* text;
    } cases[] = {
        {MakeARC(443, 1, 1), 1, "443-01-01 ARC"},
        {MakeARC(-303, 12, 14), 1, "-303-12-14 ARC"},
        {MakeARC(0, 13, 30), 1, "0-13-30 ARC"},
        {MakeARC(5, 2, 9), 1, "5-02-09 ARC"},
        {MakeARC(-303, 12, 14), 2, "-303-12-14 ARC (Earth Day, Demeter 14, -303)"},
        {MakeARC(-303, 12, 14), 3, "Demeter 14, -303"},
        {MakeARC(-303, 12, 14), 4, "The 14th day of Demeter in the year-303"},
        {MakeARC(-303, 12, 14), 5, "Earth Day, Demeter 14, -303"},
        {MakeARC(0, 13, 30), 5, "Pluto Day, Persephone 30,  0"},
        {MakeARC(443, 1, 1), 4, "The 1st day of Apollo in the year 443"},
        {MakeARC(443, 1, 2), 4, "The 2nd day of Apollo in the year 443"},
        {MakeARC(443, 1, 3), 4, "The 3rd day of Apollo in the year 443"},
        {MakeARC(443, 1, 4), 4, "The 4th day of Apollo in the year 443"},
        {MakeARC(443, 1, 11), 4, "The 11th day of Apollo in the year 443"},
        {MakeARC(443, 1, 12), 4, "The 12th day of Apollo in the year 443"},
        {MakeARC(443, 1, 13), 4, "The 13th day of Apollo in the year 443"},
        {MakeARC(443, 1, 21), 4, "The 21st day of Apollo in the year 443"},
        {MakeARC(443, 1, 22), 4, "The 22nd day of Apollo in the year 443"},
        {MakeARC(443, 1, 23), 4, "The 23rd day of Apollo in the year 443"},
        {MakeARC(443, 1, 30), 4, "The 30th day of Apollo in the year 443"},
        // Fields that make no date still give a text without reaching past the name tables.
        {MakeARC(443, 14, -1), 1, "443-14--1 ARC"},
        {MakeARC(443, 14, -1), 2, "443-14--1 ARC (, -1,  443)"},
        {MakeARC(443, 0, 0), 4, "The 0th day of  in the year 443"},
        {MakeARC(443, 0, -2), 4, "The -2 day of  in the year 443"},
        {MakeARC(kInt32Min, 1, 1), 3, "Apollo 1, -2147483648"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ARCDateStr(c.rec, static_cast<ARCTextForm>(c.form)), c.text) << "form " << c.form << " of " << Ymd(c.rec);
}

TEST(ArcText, MonthNames)
{
    const struct {
        int32_t month;
        const char* name;
        const char* shortName;
    } cases[] = {
        {1, "Apollo", "Apol"},        {2, "Diana", "Diana"},       {3, "Hermes", "Herm"},
        {4, "Aphrodite", "Aphro"},    {5, "Ares", "Ares"},         {6, "Zeus", "Zeus"},
        {7, "Chronos", "Chron"},      {8, "Prometheus", "Prom"},   {9, "Orpheus", "Orph"},
        {10, "Sophia", "Soph"},       {11, "Dionysus", "Dion"},    {12, "Demeter", "Demet"},
        {13, "Persephone", "Pers"},   {0, "", ""},                 {14, "", ""},
        {-1, "", ""},                 {kInt32Min, "", ""},         {kInt32Max, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ARCMonthName(c.month), c.name) << "month " << c.month;
        EXPECT_EQ(ARCMonthShortName(c.month), c.shortName) << "month " << c.month;
    }
}

TEST(ArcText, DayNamesRepeatEveryTenDays)
{
    const struct {
        const char* name;
        const char* shortName;
    } names[] = {
        {"Sun Day", "Sun"},         {"Mercury Day", "Merc"}, {"Venus Day", "Venus"},
        {"Earth Day", "Earth"},     {"Mars Day", "Mars"},    {"Jupiter Day", "Jupit"},
        {"Saturn Day", "Saturn"},   {"Uranus Day", "Uran"},  {"Neptune Day", "Nept"},
        {"Pluto Day", "Pluto"},
    };
    for (int32_t day = 1; day <= 30; ++day) {
        EXPECT_EQ(ARCDayName(day), names[(day - 1) % 10].name) << "day " << day;
        EXPECT_EQ(ARCDayShortName(day), names[(day - 1) % 10].shortName) << "day " << day;
    }
    EXPECT_EQ(ARCDayName(1), "Sun Day");
    EXPECT_EQ(ARCDayName(11), "Sun Day");
    EXPECT_EQ(ARCDayName(21), "Sun Day");
    EXPECT_EQ(ARCDayName(30), "Pluto Day");
    for (int32_t day : {0, 31, -1, -10, kInt32Min, kInt32Max}) {
        EXPECT_EQ(ARCDayName(day), "") << "day " << day;
        EXPECT_EQ(ARCDayShortName(day), "") << "day " << day;
    }
}

TEST(ArcText, PadLeft)
{
    const struct {
        const char* text;
        int width;
        char fill;
        const char* result;
    } cases[] = {
        {"7", 2, '0', "07"},   {"12", 2, '0', "12"}, {"123", 2, '0', "123"}, {"", 3, '*', "***"},
        {"-1", 2, '0', "-1"},  {"ab", 5, ' ', "   ab"}, {"ab", 0, '0', "ab"}, {"ab", -3, '0', "ab"},
        {"", 0, '0', ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PadLeft(c.text, c.width, c.fill), c.result)
            << "PadLeft(\"" << c.text << "\", " << c.width << ", '" << c.fill << "')";
}

} // namespace
} // namespace orlun
