// The texts of the data window: the year data against independent phase tables, the leap months
// of 1950-2050 against independent month tables, the edge cases of the lists and the self-test.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <regex>
#include <set>
#include <sstream>

#include "calendar/chinese/ChineseDateText.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/presentation/DisplayModel.h"
#include "calendar/tables/DataMode.h"
#include "calendar/tables/EuroNewYearList.h"
#include "calendar/tables/LunarNewYearList.h"
#include "calendar/tables/MonthStartList.h"
#include "calendar/tables/SelfTest.h"
#include "calendar/tables/YearData.h"
#include "calendar/western/DatePr2.h"

using namespace orlun;

namespace {

const CalendarSettings kChina = SettingsForCountry(Country::China);

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line.substr(0, line.find('\r')));
    return lines;
}

double Number(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), ','), text.end());
    return std::stod(text);
}

} // namespace

TEST(YearData, DarkMoonsMatchEspenakWithinTwoMinutes)
{
    // Every dark moon of 2001-2030 at the Chinese meridian (UT = CJDC - 120/360 - 0.5 + 0.5).
    std::vector<double> reference;
    std::ifstream in(std::string(ORLUN_REFDATA_DIR) + "/astro/espenak_phases/phases_2001_3000.txt");
    int y, m, d, hh, mm;
    char colon;
    std::string phase, rest;
    while (in >> y >> m >> d >> hh >> colon >> mm >> phase && std::getline(in, rest)) {
        if (phase == "N") reference.push_back(GregorianJDN(y, m, d).value() + (hh * 60 + mm) / 1440.0);
        if (y > 2030) break;
    }
    ASSERT_GT(reference.size(), 300u);

    const std::regex monthLine(R"(CCT  ([0-9,]+\.[0-9]{4})  LN)");
    int checked = 0;
    for (int year : {2003, 2014, 2025}) {
        const double ajd = GregorianJDN(year, 6, 1).value();
        for (const std::string& line : Lines(YearDataText(Moment(ajd), {}, kChina))) {
            std::smatch match;
            if (!std::regex_search(line, match, monthLine)) continue;
            const double cjdl = Number(match[1]) - 120 / 360.0;
            const auto nearest = std::lower_bound(reference.begin(), reference.end(), cjdl - 0.5);
            ASSERT_NE(nearest, reference.end()) << line;
            EXPECT_NEAR(*nearest, cjdl, 2.0 / 1440) << line;
            ++checked;
        }
    }
    EXPECT_GT(checked, 3 * 36);
}

TEST(YearData, ClassifiesEveryCompleteSuiAndNianOnce)
{
    const std::string text = YearDataText(Moment(GregorianJDN(2014, 6, 1).value()), {}, kChina);
    // The first sui and nian of the table are never classified, the last nian neither.
    for (const char* sentence :
         {"Sui 79-30 was a normal sui, with 12 months.\r\n", "Sui 79-31 was a long sui, with 13 months.\r\n",
          "Sui 79-32 was a normal sui, with 12 months.\r\n", "Nian 79-30 was a normal nian, with 12 months.\r\n",
          "Nian 79-31 was a long nian, with 13 months.\r\n"}) {
        const size_t at = text.find(sentence);
        EXPECT_NE(at, std::string::npos) << sentence;
        EXPECT_EQ(text.find(sentence, at + 1), std::string::npos) << sentence;
    }
    EXPECT_EQ(text.find("Sui 79-29 was"), std::string::npos);
    EXPECT_EQ(text.find("Nian 79-29 was"), std::string::npos);
    EXPECT_EQ(text.find("Nian 79-32 was"), std::string::npos);
    EXPECT_NE(text.find(" 2014-10-24 CE 05:56 CCT  2,456,955.2477  LN 183 M9* (0 zq)\r\n"), std::string::npos);

    YearDataOptions names;
    names.termNames = true;
    names.minorTerms = false;
    const std::string named = YearDataText(Moment(GregorianJDN(2014, 6, 1).value()), names, kChina);
    EXPECT_NE(named.find(" 2013-12-22 CE 01:11 CCT  2,456,649.0495  ST 1 Z11 Dong zhi (Winter solstice)\r\n"),
              std::string::npos);
    EXPECT_EQ(named.find(" J12"), std::string::npos);
}


// The first month of the table can end before the opening winter solstice, outside the terms the
// structure holds: it reads as the conversions read it, with the major terms of its own days.
TEST(YearData, TheMonthBeforeTheOpeningSolsticeReadsAsConverted)
{
    struct Case {
        int year;
        const char* line;
    };
    const Case cases[] = {
        {2016, " 2014-11-22 CE 20:32 CCT  2,456,984.8557  LN 184 M10 (1 zq)"}, // Z10 on its first day
        {-2695, "-2697-11-21 CE 01:10 CCT  736,325.0489  LN-58083 M10 (0 zq)"},  // ordinary, no Z
        {-1685, "-1687-11-22 CE 10:56 CCT  1,105,221.4561  LN-45591 M10* (0 zq)"}, // a true leap month
    };
    YearDataOptions majorOnly;
    majorOnly.minorTerms = false;
    for (const Case& c : cases) {
        const std::vector<std::string> lines = Lines(YearDataText(Moment(GregorianJDN(c.year, 6, 1).value()), majorOnly, kChina));
        ASSERT_GE(lines.size(), 6u) << c.year;
        EXPECT_EQ(lines[5], c.line) << c.year;
    }
}
TEST(MonthStartList, LeapMonthsOf1950To2050MatchTheMonthTables)
{
    std::set<std::string> reference;
    std::ifstream in(std::string(ORLUN_REFDATA_DIR) + "/calendar/months_utc8_1950_2050.tsv");
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::istringstream f(line);
        int year, month, leap;
        std::string start;
        f >> year >> month >> leap >> start;
        if (leap == 1) reference.insert(start + " " + std::to_string(month));
    }
    ASSERT_GT(reference.size(), 30u);

    MonthStartList list(2000, 101, true, false, kChina); // 1950 to 2050
    std::set<std::string> listed;
    const std::regex leapLine(R"(^[ 0-9]{2}-[0-9]{2}-([0-9]+)\*-01 +CHL =  ([-0-9]+) CE = +[0-9]+ JDN  (29|30) days$)");
    for (const std::string& l : Lines(WholeList(list))) {
        std::smatch match;
        if (std::regex_match(l, match, leapLine)) listed.insert(match[2].str() + " " + std::to_string(std::stoi(match[1])));
    }
    EXPECT_EQ(listed, reference);
}

TEST(MonthStartList, SpanIsCentredOnTheYear)
{
    struct Case { int years; int first; const char* span; };
    for (const Case& c : {Case{4, 2012, "for 4 years from 2012 CE"}, Case{3, 2012, "for 3 years from 2012 CE"},
                          Case{1, 2013, "for 1 year from 2013 CE"}}) {
        EXPECT_EQ(FirstYearOfSpan(2013, c.years), c.first);
        MonthStartList list(2013, c.years, false, false, kChina);
        EXPECT_NE(list.Heading().find(c.span), std::string::npos) << list.Heading();
    }
    // A leap month 10, 11 or 12 is one character wider; no "CHL" then gets a second blank.
    MonthStartList y2033(2033, 1, true, false, kChina);
    EXPECT_EQ(Lines(WholeList(y2033)).back(), "79-50-11*-01 CHL =  2033-12-22 CE =  2463954 JDN  29 days");
}

TEST(LunarNewYearList, ThirtiethFallsBackToThe29thOfTheSameYear)
{
    // 79-31-12-30 (2015-02-18); month 12 of 79-32 has 29 days.
    LunarNewYearList list("79-31-12-30 CHL", 2, false, false, kChina);
    EXPECT_FALSE(list.NewYearMode());
    const std::vector<std::string> lines = Lines(WholeList(list));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Chinese Lunar Calendar anniversaries");
    EXPECT_EQ(lines[3], "79-31-12-30 CHL = 2015-02-18 CE =  2457072 JDN  0");
    EXPECT_EQ(lines[4], "79-32-12-30 CHL is invalid");
    EXPECT_EQ(lines[5], "79-32-12-29 CHL = 2016-02-07 CE =  2457426 JDN  1");

    LunarNewYearList omitted("79-31-12-30 CHL", 2, true, false, kChina);
    EXPECT_EQ(WholeList(omitted).find("invalid"), std::string::npos);
}

TEST(LunarNewYearList, LeapMonthFallsBackToTheOrdinaryMonth)
{
    LunarNewYearList list("79-31-9*-10 CHL", 2, false, false, kChina);
    const std::vector<std::string> lines = Lines(WholeList(list));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[4], "79-32-9*-10 CHL is invalid");
    EXPECT_EQ(lines[5].substr(0, 17), "79-32-09-10 CHL =");

    LunarNewYearList unreadable("no date", 20, false, false, kChina);
    EXPECT_EQ(unreadable.Message(), kLunarDateInvalid);
    EXPECT_EQ(WholeList(unreadable), "");
    // The stop is a warning whose title the window gives; the list keeps what it has.
    ASSERT_TRUE(unreadable.Stopped().has_value());
    EXPECT_EQ(unreadable.Stopped()->title, "");
    EXPECT_EQ(unreadable.Stopped()->icon, MessageIcon::Warning);
    EXPECT_EQ(unreadable.Stopped()->next, AfterRefusal::ListEnds);
    EXPECT_FALSE(list.Stopped().has_value());
}

TEST(LunarNewYearList, NewYearsCountMonthsAndTermsAndEndAtTheRangeEnd)
{
    LunarNewYearList list("79-31-01-01 CHL", 2, false, false, kChina);
    EXPECT_TRUE(list.NewYearMode());
    EXPECT_NE(WholeList(list).find("79-31-01-01 CHL = 2014-01-31 CE =  2456689 JDN 13m J1:2 Z1:1\r\n"),
              std::string::npos);
    // From 2984 the list ends with 2999: the lunar year 3000 begins after 3000-01-01 CE.
    LunarNewYearList last("95-41-01-01 CHL", 100, true, false, kChina);
    const std::vector<std::string> lines = Lines(WholeList(last));
    EXPECT_EQ(lines.size(), 3u + 16u);
    EXPECT_EQ(lines.back().substr(0, 34), "95-56-01-01 CHL = 2999-02-07 CE = ");
    EXPECT_EQ(last.Message(), "Date is later than 3000-01-01 CE.");
}

// Each list stops at its first date after 3000-01-01 CE and says why.
TEST(RangeEnd, ListsStopAtTheLastSupportedDayAndSaySo)
{
    struct Case {
        const char* what;
        std::unique_ptr<YearList> list;
        const char* lastLine;
    };
    Case cases[4];
    cases[0] = {"month starts, JC", std::make_unique<MonthStartList>(2990, 30, false, true, kChina),
                "95-56-12-01  CHL =  2999-12-09 JC =  2816785 JDN  30 days"};
    cases[1] = {"leap months", std::make_unique<MonthStartList>(2990, 30, true, false, kChina),
                "95-54-8*-01  CHL =  2997-09-23 CE =  2815958 JDN  29 days"};
    // 12-04 of the last lunar year is 3000-01-01 CE itself, 12-05 the day after.
    cases[2] = {"anniversaries to the last day",
                std::make_unique<LunarNewYearList>("95-47-12-04 CHL", 20, false, false, kChina),
                "95-56-12-04 CHL = 3000-01-01 CE =  2816788 JDN  9"};
    cases[3] = {"anniversaries past it",
                std::make_unique<LunarNewYearList>("95-47-12-05 CHL", 20, false, false, kChina),
                "95-55-12-05 CHL = 2999-01-13 CE =  2816435 JDN  8"};
    for (Case& c : cases) {
        const std::vector<std::string> lines = Lines(WholeList(*c.list));
        EXPECT_EQ(lines.back(), c.lastLine) << c.what;
        EXPECT_EQ(c.list->Message(), "Date is later than 3000-01-01 CE.") << c.what;
    }
}

TEST(EuroNewYearList, StopsWhenTheTextIsFull)
{
    EuroNewYearList list(-2900, 5000, true, kChina);
    const std::string text = WholeList(list);
    EXPECT_EQ(list.Message(), kOutputFull);
    EXPECT_GE(text.size(), kMaxListText);
    EXPECT_LT(text.size(), kMaxListText + 1500);
    EuroNewYearList end(2995, 20, false, kChina); // stops after 3000, and says why
    const std::string tail = WholeList(end);
    EXPECT_EQ(end.Message(), "Date is later than 3000-01-01 CE.");
    EXPECT_NE(tail.find("\r\n3000-01-01 CE = "), std::string::npos);
    EXPECT_EQ(tail.find("3001-01-01"), std::string::npos);
}

TEST(SelfTest, RandomPairsAllConvertBack)
{
    for (uint32_t seed : {1u, 77u}) {
        RandomSelfTest test(seed, kChina);
        std::string text;
        while (!test.Finished()) text += test.NextPair();
        EXPECT_FALSE(test.Failed()) << text;
        EXPECT_EQ(text.size(), 2u * kSelfTestPairs);
        EXPECT_NE(text.find('0'), std::string::npos); // out-of-range fields are rejected
        EXPECT_NE(text.find('1'), std::string::npos);
    }
    bool failed = false;
    const ChineseSolarDate chs{79, 30, 24, 16, kChina.epoch};
    const ChineseLunarDate leapless{79, 30, {5, true}, 1, kChina.epoch}; // no leap 5th month in 2013
    EXPECT_EQ(CheckBothWays(chs, leapless, kChina, failed), "00");
    EXPECT_FALSE(failed);
}

TEST(DataMode, YearsFieldIsCleaned)
{
    struct Case { const char* typed; const char* cleaned; int value; };
    for (const Case& c : {Case{"abc", "", 0}, Case{"x4y", "4", 4}, Case{"-1a2", "-12", -12},
                          Case{"9-9", "99", 99}, Case{"99999999999", "99999999999", 32767}}) {
        EXPECT_EQ(CleanYearsText(c.typed), c.cleaned) << c.typed;
        EXPECT_EQ(YearsValue(c.cleaned), c.value) << c.typed;
    }
    EXPECT_EQ(DefaultYears(DataMode::MonthStarts, true), 30);
    EXPECT_EQ(DefaultYears(DataMode::MonthStarts, false), 3);
    EXPECT_EQ(LeadingYear("-500-03-01 CE 12:00 GMT"), -500);
}
