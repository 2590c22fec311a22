// The sky table compiled into the program gives the engine's own answers: every kept dark moon,
// quarter point and true-sun table is the computed one to the last bit, and the year structure of
// every solar year of the range (so every lunar year) at 105, 120 and 135 E, and its mean-sun
// terms, are the same from the table as from the engine. Where the table does not reach, or does
// not match, the engine answers.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <string>

#include "calendar/astro/syzyg.h"
#include "calendar/chinese/CalendarCache.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/chinese/SkyTable.h"
#include "calendar/core/TimeScales.h"
#include "calendar/western/DatePr2.h"

using namespace orlun;

namespace {

bool SameBits(double a, double b) { return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b); }
bool SameBits(Moment a, double b) { return SameBits(a.ajd(), b); }
bool SameBits(DynamicalTime a, DynamicalTime b) { return SameBits(a.jde(), b.jde()); }

template <size_t N>
bool SameInstants(const std::array<LocalTime, N>& a, const std::array<LocalTime, N>& b)
{
    for (size_t i = 0; i < N; ++i)
        if (!SameBits(a[i].cjd(), b[i].cjd()) || a[i].meridian() != b[i].meridian())
            return false;
    return true;
}

// A moment in the solar year of the same number, at a meridian.
LocalTime MidYear(int32_t year, int longitude = 120) { return Meridian(longitude).NoonOf(GregorianJDN(year, 7, 1)); }

TEST(SkyTable, IsCompiledInWithEveryLunationAndYearOfTheRange)
{
    const SkyTable& table = TheSkyTable();
    ASSERT_FALSE(table.Empty());
    for (int32_t n : {skytable::kFirstLunation, kMinLunation, 0, kMaxLunation, skytable::kLastLunation})
        EXPECT_TRUE(table.DarkMoonUT(n)) << n;
    EXPECT_FALSE(table.DarkMoonUT(skytable::kFirstLunation - 1));
    EXPECT_FALSE(table.DarkMoonUT(skytable::kLastLunation + 1));
}

TEST(SkyTable, EveryDarkMoonIsTheEnginesToTheBit)
{
    for (int32_t n = skytable::kFirstLunation; n <= skytable::kLastLunation; ++n)
        ASSERT_TRUE(SameBits(*TheSkyTable().DarkMoonUT(n), GetPhaseTimeUT(n, 0).ajd())) << "lunation " << n;
}

TEST(SkyTable, EveryQuarterPointIsTheComputedOne)
{
    for (int32_t y = skytable::kFirstYear - 1; y <= skytable::kLastYear + 1; ++y) // one beyond: computed
        for (Quarter q : {Quarter::MarchEquinox, Quarter::JuneSolstice, Quarter::SeptemberEquinox,
                          Quarter::DecemberSolstice})
            ASSERT_TRUE(SameBits(TheSkyTable().QuarterUT(q, y), SolsticeOrEquinoxUT(q, y).ajd())) << y;
}

// A start that differs from the kept one by one bit is not the same search: the engine answers.
TEST(SkyTable, ASearchFromAnotherStartIsTheEngines)
{
    const std::optional<skytable::Search> kept = skytable::View(SkyTableBytes()).SearchOf(2000, 4);
    ASSERT_TRUE(kept);
    const double t1 = (*kept)[0];
    const double moved = std::bit_cast<double>(std::bit_cast<uint64_t>(t1) + 1);
    TermCrossings fromTable{};
    TermCrossings fromEngine{};
    TheSkyTable().Crossings(2000, 4, DynamicalTime(moved), DynamicalTime(moved + 93.0), fromTable);
    ComputedSky().Crossings(2000, 4, DynamicalTime(moved), DynamicalTime(moved + 93.0), fromEngine);
    for (size_t j = 0; j < 6; ++j)
        EXPECT_TRUE(SameBits(fromTable[j], fromEngine[j])) << j;
}

TEST(SkyTable, AnEmptyTableComputesEverything)
{
    const SkyTable empty{std::string_view()};
    ASSERT_TRUE(empty.Empty());
    EXPECT_TRUE(SameBits(empty.QuarterUT(Quarter::JuneSolstice, 1985), SolsticeOrEquinoxUT(Quarter::JuneSolstice, 1985).ajd()));
    const SolarTermTable a = BuildSolarTerms(MidYear(1985, 105), TermMethod::TrueSun, empty);
    const SolarTermTable b = BuildSolarTerms(MidYear(1985, 105), TermMethod::TrueSun);
    EXPECT_TRUE(SameInstants(a.TermMoment, b.TermMoment));
}

// The cache with the table (as every conversion uses it) and without it (the engine, each value
// computed once), per meridian. The engine side keeps its dark moons between the meridians.
class SkyTableYears : public testing::TestWithParam<int> {
protected:
    static CalendarCache& Engine()
    {
        static CalendarCache* engine = [] {
            auto* c = new CalendarCache;
            c->SetSkyTableUsed(false);
            return c;
        }();
        return *engine;
    }
};

void ExpectSameStructure(const YearStructure& t, const YearStructure& e, int32_t year)
{
    ASSERT_EQ(t.ok(), e.ok()) << year;
    ASSERT_EQ(t.MonthCount, e.MonthCount) << year;
    EXPECT_EQ(t.FirstLunation, e.FirstLunation) << year;
    EXPECT_EQ(t.MonthStart, e.MonthStart) << year;              // month starts and lengths
    EXPECT_EQ(t.NumberedMonths, e.NumberedMonths) << year;
    EXPECT_TRUE(t.Month == e.Month) << year;                    // month numbers and leap flags
    EXPECT_EQ(t.MajorTermCount, e.MajorTermCount) << year;
    EXPECT_EQ(t.terms.TermDay, e.terms.TermDay) << year;        // term days
    EXPECT_TRUE(SameInstants(t.DarkMoon, e.DarkMoon)) << year;
    EXPECT_TRUE(SameInstants(t.terms.TermMoment, e.terms.TermMoment)) << year;
}

TEST_P(SkyTableYears, EveryYearStructureAndTermTableIsTheEngines)
{
    const int longitude = GetParam();
    CalendarCache withTable;
    ASSERT_TRUE(withTable.SkyTableUsed());
    int valid = 0;
    // Every solar year whose table the sky table holds, and one beyond each end (computed there).
    for (int32_t b = skytable::kFirstYear + 1; b <= skytable::kLastYear - 1; ++b) {
        const YearStructure t = BuildYearStructure(MidYear(b, longitude), withTable);
        const YearStructure e = BuildYearStructure(MidYear(b, longitude), Engine());
        ExpectSameStructure(t, e, b);
        valid += t.ok() ? 1 : 0;
        const SolarTermTable mt = BuildSolarTerms(MidYear(b, longitude), TermMethod::MeanSun, withTable.Sky());
        const SolarTermTable me = BuildSolarTerms(MidYear(b, longitude), TermMethod::MeanSun);
        ASSERT_EQ(mt.TermDay, me.TermDay) << b;
        ASSERT_TRUE(SameInstants(mt.TermMoment, me.TermMoment)) << b;
        if (HasFatalFailure() || HasFailure())
            return;
    }
    EXPECT_GT(valid, kMaxYear - kMinYear);
}

INSTANTIATE_TEST_SUITE_P(Meridians, SkyTableYears, testing::Values(105, 120, 135),
                         [](const testing::TestParamInfo<int>& info) { return std::to_string(info.param) + "E"; });

// Beyond the table the cache asks the engine.
TEST(SkyTableReach, LunationsAndYearsBeyondItAreComputed)
{
    CalendarCache cache;
    for (int32_t n : {skytable::kFirstLunation - 1, skytable::kLastLunation + 1})
        EXPECT_TRUE(SameBits(cache.DarkMoonUT(n).ajd(), GetPhaseTimeUT(n, 0).ajd())) << n;
    const int32_t beyond = skytable::kLastYear + 3;
    const SolarTermTable t = cache.TrueSunTerms(MidYear(beyond));
    const SolarTermTable e = BuildSolarTerms(MidYear(beyond), TermMethod::TrueSun);
    EXPECT_EQ(t.solarYear, beyond);
    EXPECT_TRUE(SameInstants(t.TermMoment, e.TermMoment));
}

} // namespace
