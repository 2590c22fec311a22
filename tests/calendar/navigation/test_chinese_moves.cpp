// Moves of CHL and CHS dates: leap months, day 30, year ends, and a century of year moves that
// must follow the leap months of the month table.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <tuple>

#include "calendar/chinese/ChineseMoves.h"
#include "calendar/chinese/Orlun3.h"
#include "support/CalendarTestSupport.h"

using namespace orlun;
using orlun::test::Lunar;
using orlun::test::Solar;
using orlun::test::Text;

namespace {

const CalendarSettings kChina = SettingsForCountry(Country::China);

enum class Move { MonthForward, MonthBack, YearForward, YearForwardKeepLeap, MonthForwardKeep30 };

struct LunarCase {
    const char* what;
    ChineseLunarDate from;
    Move move;
    ChineseLunarDate expected;
};

bool Apply(ChineseLunarDate& d, Move move)
{
    switch (move) {
    case Move::MonthForward: return CHLMoveMonth(d, true, false, kChina);
    case Move::MonthBack: return CHLMoveMonth(d, false, false, kChina);
    case Move::MonthForwardKeep30: return CHLMoveMonth(d, true, true, kChina);
    case Move::YearForward: return CHLMoveYear(d, true, false, false, kChina);
    case Move::YearForwardKeepLeap: return CHLMoveYear(d, true, false, true, kChina);
    }
    return false;
}

// 2010 = 79-27, 2013 = 79-30, 2017 = 79-34, 2020 = 79-37 (leap fourth month of 29 days).
const LunarCase kLunarCases[] = {
    {"4 to its leap month", Lunar(79, 37, 4, 15), Move::MonthForward, Lunar(79, 37, 4, 15, true)},
    {"leap 4 to 5", Lunar(79, 37, 4, 15, true), Move::MonthForward, Lunar(79, 37, 5, 15)},
    {"5 back to leap 4", Lunar(79, 37, 5, 15), Move::MonthBack, Lunar(79, 37, 4, 15, true)},
    {"leap 4 back to 4", Lunar(79, 37, 4, 15, true), Move::MonthBack, Lunar(79, 37, 4, 15)},
    {"4-30 into the 29-day leap 4", Lunar(79, 37, 4, 30), Move::MonthForward, Lunar(79, 37, 4, 29, true)},
    {"leap 4-29 stays 29", Lunar(79, 37, 4, 29, true), Move::MonthForward, Lunar(79, 37, 5, 29)},
    {"leap 4-29 keeps the 30th", Lunar(79, 37, 4, 29, true), Move::MonthForwardKeep30, Lunar(79, 37, 5, 30)},
    {"12-30 to a 30-day month 1", Lunar(79, 27, 12, 30), Move::MonthForward, Lunar(79, 28, 1, 30)},
    {"12-30 to a 29-day month 1", Lunar(79, 30, 12, 30), Move::MonthForward, Lunar(79, 31, 1, 29)},
    {"1-10 back to 12 (no 12*)", Lunar(79, 37, 1, 10), Move::MonthBack, Lunar(79, 36, 12, 10)},
    {"1-10 back over the cycle", Lunar(79, 1, 1, 10), Move::MonthBack, Lunar(78, 60, 12, 10)},
    {"leap 6 to a year without", Lunar(79, 34, 6, 10, true), Move::YearForward, Lunar(79, 35, 6, 10)},
    {"6 into a year with 6*, keep leap", Lunar(79, 41, 6, 10), Move::YearForwardKeepLeap, Lunar(79, 42, 6, 10, true)},
    {"6 into a year with 6*", Lunar(79, 41, 6, 10), Move::YearForward, Lunar(79, 42, 6, 10)},
};

TEST(ChineseMoves, LunarEdgeCases)
{
    for (const LunarCase& c : kLunarCases) {
        ChineseLunarDate d = c.from;
        ASSERT_TRUE(Apply(d, c.move)) << c.what;
        EXPECT_EQ(Text(d), Text(c.expected)) << c.what;
        EXPECT_TRUE(ChLDateToJDN(d, kChina).found()) << c.what << ": the date left converts";
    }
}

TEST(ChineseMoves, FailsBeyondTheLastChineseYear)
{
    ChineseLunarDate d = Lunar(95, 57, 6, 1); // 3000
    EXPECT_FALSE(CHLMoveYear(d, true, false, false, kChina));
    d = Lunar(95, 57, 6, 1);
    EXPECT_FALSE(CHLMoveCycle(d, true, false, false, kChina));
}

TEST(ChineseMoves, SolarTermsAndYears)
{
    ChineseSolarDate d = Solar(78, 60, 24, 5);
    ASSERT_TRUE(CHSMoveTerm(d, true, false, kChina));
    EXPECT_EQ(Text(d), "79-1-1-5 CHS");
    ASSERT_TRUE(CHSMoveTerm(d, false, false, kChina));
    EXPECT_EQ(Text(d), "78-60-24-5 CHS");
    ASSERT_TRUE(CHSMoveTerm(d, true, true, kChina));
    EXPECT_EQ(Text(d), "79-60-24-5 CHS");
    d = Solar(79, 37, 1, 1);
    ASSERT_TRUE(CHSMoveYear(d, false, kChina));
    EXPECT_EQ(Text(d), "79-36-1-1 CHS");
}

// lunar year, month, leap -> length, from the reference month table at 120 E.
std::map<std::tuple<int, int, int>, int> MonthLengths()
{
    std::ifstream in(std::string(ORLUN_REFDATA_DIR) + "/calendar/months_utc8_1950_2050.tsv");
    std::map<std::tuple<int, int, int>, int> lengths;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::istringstream f(line);
        int year = 0, month = 0, leap = 0, length = 0;
        std::string start;
        f >> year >> month >> leap >> start >> length;
        lengths[{year, month, leap}] = length;
    }
    return lengths;
}

// Year by year from 1950 to 2050 with keep leap and keep 30th: every year that has the leap
// month m* lands in it, every other in m, and the day is 30 wherever the month has one.
TEST(ChineseMoves, CenturyOfYearMovesFollowsTheLeapMonths)
{
    const auto lengths = MonthLengths();
    ASSERT_FALSE(lengths.empty());
    for (int month : {5, 6}) {
        ChineseLunarDate d = Lunar(78, 27, month, 30); // 1950
        if (CHLMonthLength(d, kChina) != 30) d.day = 29;
        for (int year = 1951; year <= 2050; ++year) {
            ASSERT_TRUE(CHLMoveYear(d, true, true, true, kChina)) << year;
            const bool leap = lengths.count({year, month, 1}) > 0;
            const int length = lengths.at({year, month, leap ? 1 : 0});
            EXPECT_EQ(d.month.leap, leap) << year << " month " << month;
            EXPECT_EQ(d.day, length) << year << " month " << month;
            EXPECT_EQ(YearOfCyclePos(d.cycle, d.position, kChina.epoch), year);
        }
    }
}

} // namespace
