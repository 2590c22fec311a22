// The Chinese year structure: month starts, major-term counts, the month numbering of ordinary
// and leap sui, and the labels after the last complete sui.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "calendar/western/DatePr2.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/core/TimeScales.h"
#include "calendar/astro/syzyg.h"
#include "engine/lunev.h"
#include "support/CalendarTestSupport.h"

using namespace orlun;
using namespace orlun::test;

namespace {

YearStructure BuildAt(int year, int month, int day, int longitude)
{
    return BuildYearStructure(Meridian(longitude).NoonOf(GregorianJDN(year, month, day)));
}

// Index of the month that begins on the Gregorian date, or -1.
int MonthStartingOn(const YearStructure& ys, int year, int month, int day)
{
    const int32_t jdn = GregorianJDN(year, month, day).value();
    for (int i = 0; i < ys.MonthCount; ++i) {
        if (ys.MonthStart[static_cast<size_t>(i)].value() == jdn)
            return i;
    }
    return -1;
}

std::string Labels(const YearStructure& ys, int from, int count)
{
    std::string text;
    for (int i = from; i < from + count; ++i) {
        if (i > from) text += ',';
        text += MonthLabelOf(ys, static_cast<size_t>(i));
    }
    return text;
}

} // namespace

TEST(MonthLabels, OrdinaryMonthsHaveTwoDigitsLeapMonthsAStar)
{
    struct Case {
        int month;
        bool leap;
        const char* label;
    };
    const Case cases[] = {{1, false, "01"}, {9, false, "09"}, {10, false, "10"}, {12, false, "12"},
                          {1, true, "1*"},  {4, true, "4*"},  {10, true, "10*"}, {11, true, "11*"}};
    for (const Case& c : cases) {
        EXPECT_EQ(MonthLabelStr({c.month, c.leap}), c.label) << "MonthLabelStr(" << c.month << ", " << c.leap << ")";
        const std::optional<ChineseMonth> read = ReadMonthLabel(c.label);
        ASSERT_TRUE(read.has_value()) << c.label;
        EXPECT_EQ(read->number, c.month) << c.label;
        EXPECT_EQ(read->leap, c.leap) << c.label;
    }
}

TEST(MonthLabels, WorkingMarksAndMalformedLabelsAreNoMonths)
{
    for (const char* label : {"stop here", "", "start of sui", "leap month", "00", "13", "0*", "4**",
                              "*", "4 ", "-1", "123"}) {
        EXPECT_FALSE(ReadMonthLabel(label).has_value()) << "label \"" << label << "\"";
    }
}

// Built for 2013-02-10 at 120 E: month 0 (2011-11-25) holds the solstice of 2011; the sui of 2012
// has thirteen months with the leap month after month 4, that of 2013 twelve, that of 2014
// thirteen with the leap month after month 9; the sui that begins in December 2014 is incomplete.
TEST(YearStructure, NumbersOrdinaryAndLeapSuiAndStopsAfterTheLastCompleteSui)
{
    const YearStructure ys = BuildAt(2013, 2, 10, 120);
    ASSERT_TRUE(ys.ok());
    ASSERT_EQ(ys.MonthCount, 43);
    EXPECT_EQ(GregorianText(ys.MonthStart[0].value()), "2011-11-25");
    EXPECT_EQ(Labels(ys, 0, 13), "11,12,01,02,03,04,4*,05,06,07,08,09,10");
    EXPECT_EQ(GregorianText(ys.MonthStart[6].value()), "2012-05-21") << "the leap fourth month of 2012";
    EXPECT_EQ(ys.MajorTermCount[6], 0);
    EXPECT_EQ(Labels(ys, 13, 12), "11,12,01,02,03,04,05,06,07,08,09,10");
    EXPECT_EQ(Labels(ys, 25, 13), "11,12,01,02,03,04,05,06,07,08,09,9*,10");
    EXPECT_EQ(GregorianText(ys.MonthStart[36].value()), "2014-10-24") << "the leap ninth month of 2014";

    // The month of the last winter solstice of the table is "stop here", all after it empty.
    EXPECT_EQ(MonthLabelOf(ys, 38), kStopHere);
    EXPECT_EQ(ys.NumberedMonths, 38);
    EXPECT_FALSE(ys.Month[38].ok());
    EXPECT_LE(ys.MonthStart[38].value(), ys.terms.TermDay[72].value());
    EXPECT_GT(ys.MonthStart[39].value(), ys.terms.TermDay[72].value());
    for (int i = 39; i < kMaxMonths; ++i)
        EXPECT_EQ(MonthLabelOf(ys, static_cast<size_t>(i)), "") << "month " << i;
}

// The months that contain the winter solstices are month 11, and month 1 follows two months
// later, or three when a leap 11th or 12th month comes between.
TEST(YearStructure, WinterSolsticeMonthIsAlwaysEleven)
{
    for (int year : {-2999, -1500, -1, 0, 1000, 1984, 2033, 2500, 2999}) {
        const YearStructure ys = BuildAt(year, 6, 15, 120);
        ASSERT_TRUE(ys.ok()) << year;
        for (int s = 24; s <= 48; s += 24) {
            const std::optional<int> found = MonthIndexOfDay(ys, ys.terms.TermDay[static_cast<size_t>(s)]);
            ASSERT_TRUE(found) << year << " solstice entry " << s;
            const int i = *found;
            EXPECT_EQ(MonthLabelOf(ys, static_cast<size_t>(i)), "11")
                << "solstice entry " << s << " of the build for " << year << "-06-15, month starting "
                << GregorianText(ys.MonthStart[static_cast<size_t>(i)].value());
        }
    }
}

// 1984-12-22: the winter solstice (00:23 at 120 E) comes some 19 hours before the dark moon
// (19:46) on the same day. By days it belongs to the month that begins on 1984-12-22, which is
// therefore month 11 in China, and the month before it, without a major term, the leap 10th.
// At 105 E the solstice falls at 23:23 on 1984-12-21, the day before, so there it belongs to the
// month that begins 1984-11-23.
TEST(YearStructure, MajorTermOnTheDayOfTheDarkMoonCountsForTheMonthBeginningThatDay)
{
    const YearStructure china = BuildAt(1985, 6, 15, 120);
    ASSERT_TRUE(china.ok());
    const int dec = MonthStartingOn(china, 1984, 12, 22);
    ASSERT_GE(dec, 1);
    const auto d = static_cast<size_t>(dec);
    EXPECT_EQ(china.terms.TermDay[24].value(), china.MonthStart[d].value()) << "the solstice falls on the day of the dark moon";
    EXPECT_LT(china.terms.TermMoment[24].cjd(), china.DarkMoon[d].cjd()) << "and before the dark moon's instant";
    EXPECT_EQ(china.MajorTermCount[d], 2) << "the solstice and the great cold of 1985-01-20";
    EXPECT_EQ(MonthLabelOf(china, d), "11");
    EXPECT_EQ(china.MajorTermCount[d - 1], 0) << "month starting " << GregorianText(china.MonthStart[d - 1].value());
    EXPECT_EQ(MonthLabelOf(china, d - 1), "10*");

    const YearStructure vietnam = BuildAt(1985, 6, 15, 105);
    ASSERT_TRUE(vietnam.ok());
    const int nov = MonthStartingOn(vietnam, 1984, 11, 23);
    const int dec105 = MonthStartingOn(vietnam, 1984, 12, 22);
    ASSERT_GE(nov, 0);
    ASSERT_EQ(dec105, nov + 1);
    EXPECT_EQ(vietnam.terms.TermDay[24].value() + 1, vietnam.MonthStart[static_cast<size_t>(dec105)].value())
        << "the solstice falls on the day before the dark moon";
    EXPECT_EQ(MonthLabelOf(vietnam, static_cast<size_t>(nov)), "11");
    EXPECT_EQ(MonthLabelOf(vietnam, static_cast<size_t>(dec105)), "12");
}

// A month can hold two major terms and is then never the leap month: 2033-11-22 (Z10 and the
// winter solstice) and 2034-01-20 (Z12 and Z1) at 120 E, with the leap 11th month between them.
// Month 1 of 2034 has no major term either, but the sui already has its leap month.
TEST(YearStructure, MonthWithTwoMajorTermsIsNeverLeap)
{
    const YearStructure ys = BuildAt(2034, 6, 15, 120);
    ASSERT_TRUE(ys.ok());
    struct Expected {
        int year, month, day;
        int majorTerms;
        const char* label;
    };
    const Expected expected[] = {{2033, 10, 23, 1, "10"},
                                 {2033, 11, 22, 2, "11"},
                                 {2033, 12, 22, 0, "11*"},
                                 {2034, 1, 20, 2, "12"},
                                 {2034, 2, 19, 0, "01"}};
    for (const Expected& e : expected) {
        const int i = MonthStartingOn(ys, e.year, e.month, e.day);
        ASSERT_GE(i, 0) << "no month starts on " << e.year << "-" << e.month << "-" << e.day;
        EXPECT_EQ(ys.MajorTermCount[static_cast<size_t>(i)], e.majorTerms)
            << "month starting " << GregorianText(ys.MonthStart[static_cast<size_t>(i)].value());
        EXPECT_EQ(MonthLabelOf(ys, static_cast<size_t>(i)), e.label)
            << "month starting " << GregorianText(ys.MonthStart[static_cast<size_t>(i)].value());
    }
    // Throughout several builds: a month with a major term is never a leap month.
    for (int year = 1900; year <= 2100; year += 3) {
        const YearStructure b = BuildAt(year, 6, 15, 120);
        ASSERT_TRUE(b.ok()) << year;
        for (int i = 1; i + 1 < b.MonthCount; ++i) {
            const std::string& label = MonthLabelOf(b, static_cast<size_t>(i));
            if (b.MajorTermCount[static_cast<size_t>(i)] >= 1) {
                EXPECT_EQ(label.find('*'), std::string::npos)
                    << "month starting " << GregorianText(b.MonthStart[static_cast<size_t>(i)].value()) << " labelled " << label;
            }
        }
    }
}

// When the dark moon after the first solstice of the table falls on the solstice's own day, month
// 0 has no major term and no mark; the walk numbers months 0..12 as one group with month 0 "10*".
// The build for 1986-06-15 at 120 E starts with the solstice of 1984-12-22 (00:23), dark moon at
// 19:46 the same day.
TEST(YearStructure, FirstMonthWithoutTheSolsticeBecomesLeapTenth)
{
    const YearStructure ys = BuildAt(1986, 6, 15, 120);
    ASSERT_TRUE(ys.ok());
    EXPECT_EQ(ys.MonthStart[1].value(), ys.terms.TermDay[0].value());
    EXPECT_EQ(ys.MajorTermCount[0], 0);
    EXPECT_EQ(Labels(ys, 0, 14), "10*,11,12,01,02,03,04,05,06,07,08,09,10,11");
}

TEST(YearStructure, MomentsWithoutAStructureAreInvalidAndEmpty)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double outside[] = {nan, inf, -inf, 1.0e300, -1.0e300, 0.0, double{kMinJDN} - kStructureMarginDays - 1,
                              double{kMaxJDN} + kStructureMarginDays + 1, 4.0e9};
    for (double moment : outside) {
        const YearStructure ys = BuildYearStructure(Meridian(120).At(moment));
        EXPECT_FALSE(ys.ok()) << "moment " << moment;
        EXPECT_EQ(ys.MonthCount, 0) << "moment " << moment;
        EXPECT_EQ(MonthIndexOfDay(ys, DayNumber(kMinJDN)), std::nullopt) << "moment " << moment;
    }
    // Both ends of the supported days, and the seeds of the first and last Chinese years.
    for (double moment : {double{kMinJDN}, double{kMaxJDN} + 0.99, GregorianJDN(kMinChineseYear, 1, 15).value() + 0.0,
                          GregorianJDN(kMaxChineseYear, 12, 15).value() + 0.0}) {
        const YearStructure ys = BuildYearStructure(Meridian(120).At(moment));
        EXPECT_TRUE(ys.ok()) << "moment " << moment;
        EXPECT_GE(ys.MonthCount, 40) << "moment " << moment;
        EXPECT_LE(ys.MonthCount, kMaxMonths) << "moment " << moment;
    }
}

// Month starts are the CJDC days of consecutive dark moons, lengths 29 or 30, from the lunation
// in progress at the first solstice to more than 40 days past the last term.
TEST(YearStructure, MonthStartsAreConsecutiveDarkMoons)
{
    for (int longitude : {105, 120, 135}) {
        const YearStructure ys = BuildAt(2020, 3, 1, longitude);
        ASSERT_TRUE(ys.ok()) << longitude;
        EXPECT_LE(ys.DarkMoon[0].cjd(), ys.terms.TermMoment[0].cjd()) << longitude;
        EXPECT_GT(ys.DarkMoon[1].cjd(), ys.terms.TermMoment[0].cjd()) << longitude;
        for (int i = 0; i < ys.MonthCount; ++i) {
            const auto k = static_cast<size_t>(i);
            EXPECT_EQ(ys.MonthStart[k].value(), static_cast<int32_t>(std::floor(ys.DarkMoon[k].cjd()))) << i;
            if (i + 1 < ys.MonthCount) {
                const int length = ys.MonthStart[k + 1].value() - ys.MonthStart[k].value();
                EXPECT_TRUE(length == 29 || length == 30) << "month " << i << " at " << longitude << ": " << length;
            }
        }
        EXPECT_LE(ys.MonthStart[static_cast<size_t>(ys.MonthCount - 1)].value(), ys.terms.TermDay[78].value() + 40) << longitude;
        const double next = AJDToCJDC(GetPhaseTimeUT(ys.FirstLunation + ys.MonthCount, 0), Meridian(longitude)).cjd();
        EXPECT_GT(std::floor(next), ys.terms.TermDay[78].value() + 40) << longitude;
    }
}

// The phase instants and true-sun tables the builds remember are exactly what the engine gives
// afresh, whatever was asked before (the memos are keyed by lunation and phase, and by solar
// year and longitude).
TEST(YearStructure, RememberedEngineResultsEqualFreshOnes)
{
    struct Ask {
        int year;
        int longitude;
    };
    const Ask asks[] = {{2013, 120}, {2013, 105}, {2013, 120}, {2077, 120}, {2013, 135}, {-1000, 120}, {2013, 105}};
    for (const Ask& a : asks) {
        const double moment = GregorianJDN(a.year, 3, 1).value() + 0.5;
        const SolarTermTable remembered = SolarTermsOf(Meridian(a.longitude).At(moment), TermMethod::TrueSun);
        const SolarTermTable fresh = BuildSolarTerms(Meridian(a.longitude).At(moment), TermMethod::TrueSun);
        EXPECT_EQ(remembered.solarYear, fresh.solarYear) << a.year << " at " << a.longitude;
        for (int i = 0; i < kTermTableSize; ++i) {
            EXPECT_EQ(remembered.TermMoment[static_cast<size_t>(i)].cjd(), fresh.TermMoment[static_cast<size_t>(i)].cjd())
                << a.year << " at " << a.longitude << ", entry " << i;
        }
        const SolarTermTable mean = SolarTermsOf(Meridian(a.longitude).At(moment), TermMethod::MeanSun);
        EXPECT_EQ(mean.TermMoment[6].cjd(), BuildSolarTerms(Meridian(a.longitude).At(moment), TermMethod::MeanSun).TermMoment[6].cjd());
    }
    // Lunations 1024 apart share a memo slot.
    for (int32_t lunation : {100, 1124, 100, -924, 100}) {
        for (int phase = 0; phase < 4; ++phase) {
            EXPECT_EQ(GetPhaseTimeTD(lunation, phase).jde(), syzyg(lunation, phase, nullptr))
                << "lunation " << lunation << ", phase " << phase;
        }
    }
}
