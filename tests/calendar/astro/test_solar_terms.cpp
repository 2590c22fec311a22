// The solar-term table of a solar year, by the mean and the true Sun, and the term names.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>

#include "calendar/western/DatePr2.h"
#include "calendar/astro/SolEq.h"
#include "calendar/astro/SolarTermNames.h"
#include "calendar/astro/SolarTerms.h"
#include "calendar/core/TimeScales.h"
#include "engine/solev.h"
#include "support/CalendarTestSupport.h"

using namespace orlun;
using namespace orlun::test;

namespace {

constexpr double kPi = 3.14159265358979323846;

double SunLongitudeDegrees(double cjdc, int refLongitude)
{
    return sun_app(CJDCToAJD(Meridian(refLongitude).At(cjdc)).ajd(), nullptr) * 180.0 / kPi;
}

struct Build {
    int year;      // Gregorian date of the moment the table is built for
    int month;
    int day;
    int longitude;
};

// Moments in every part of the year, on both sides of the solstice, at the three meridians.
constexpr Build kBuilds[] = {
    {2013, 6, 1, 120},  {2012, 12, 21, 120}, {2012, 12, 20, 120}, {2014, 1, 1, 105},
    {1900, 3, 1, 135},  {2100, 11, 30, 120}, {1000, 7, 4, 120},   {-2000, 9, 9, 120},
    {2999, 12, 31, 105}, {0, 1, 1, 135},
};

std::string Describe(const Build& b, TermMethod method)
{
    return std::to_string(b.year) + "-" + std::to_string(b.month) + "-" + std::to_string(b.day) +
           " at " + std::to_string(b.longitude) + " E, method " + std::to_string(static_cast<int>(method));
}

} // namespace

TEST(SolarTerms, TableBelongsToTheSolarYearOfTheMoment)
{
    for (const Build& b : kBuilds) {
        const double moment = GregorianJDN(b.year, b.month, b.day).value() + 0.5;
        for (TermMethod method : {TermMethod::TrueSun, TermMethod::MeanSun}) {
            const SolarTermTable t = BuildSolarTerms(Meridian(b.longitude).At(moment), method);
            const std::string what = Describe(b, method);
            ASSERT_TRUE(IsValid(t)) << what;
            EXPECT_EQ(t.solarYear, SolarYearOf(Meridian(b.longitude).At(moment))) << what;
            EXPECT_LE(t.TermDay[24].value(), std::floor(moment)) << what;
            EXPECT_LT(std::floor(moment), t.TermDay[48].value()) << what;
            for (int i = 0; i < kTermTableSize; ++i) {
                EXPECT_EQ(t.TermDay[static_cast<size_t>(i)].value(),
                          std::floor(t.TermMoment[static_cast<size_t>(i)].cjd()))
                    << what << ", entry " << i;
                if (i > 0) {
                    EXPECT_LT(t.TermMoment[static_cast<size_t>(i - 1)].cjd(),
                              t.TermMoment[static_cast<size_t>(i)].cjd())
                        << what << ", entries " << i - 1 << " and " << i;
                }
            }
        }
    }
}

TEST(SolarTerms, MeanSunCutsEachSolarYearIntoEqualParts)
{
    for (const Build& b : kBuilds) {
        const double moment = GregorianJDN(b.year, b.month, b.day).value() + 0.5;
        const SolarTermTable t = BuildSolarTerms(Meridian(b.longitude).At(moment), TermMethod::MeanSun);
        const std::string what = Describe(b, TermMethod::MeanSun);
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(t.TermMoment[static_cast<size_t>(24 * k)].cjd(),
                      DecemberSolstice(t.solarYear - 2 + k, Meridian(b.longitude)).cjd())
                << what << ", entry " << 24 * k;
        const double last = DecemberSolstice(t.solarYear + 1, Meridian(b.longitude)).cjd();
        const double next = DecemberSolstice(t.solarYear + 2, Meridian(b.longitude)).cjd();
        EXPECT_NEAR(t.TermMoment[78].cjd(), last + (next - last) / 4.0, 1e-8) << what;
        // Equal steps within each solstice-to-solstice interval, the last one ending beyond the
        // table at the solstice of b + 2.
        for (int f = 0; f < 4; ++f) {
            const double from = t.TermMoment[static_cast<size_t>(24 * f)].cjd();
            const double to = f < 3 ? t.TermMoment[static_cast<size_t>(24 * f + 24)].cjd() : next;
            for (int i = 24 * f + 1; i <= 24 * f + 24 && i < kTermTableSize; ++i)
                EXPECT_NEAR(t.TermMoment[static_cast<size_t>(i)].cjd() -
                                t.TermMoment[static_cast<size_t>(i - 1)].cjd(),
                            (to - from) / 24.0, 1e-8)
                    << what << ", entry " << i;
        }
        for (LocalTime q : t.QuarterMoment)
            EXPECT_TRUE(std::isnan(q.cjd())) << what << ": quarter points belong to the true-sun table";
    }
}

TEST(SolarTerms, TrueSunTableStartsEachQuarterAtTheComputedQuarterPoint)
{
    for (const Build& b : kBuilds) {
        const double moment = GregorianJDN(b.year, b.month, b.day).value() + 0.5;
        const SolarTermTable t = BuildSolarTerms(Meridian(b.longitude).At(moment), TermMethod::TrueSun);
        const std::string what = Describe(b, TermMethod::TrueSun);
        const int32_t y = t.solarYear;
        const int L = b.longitude;
        const double expected[kQuarterTableSize] = {
            DecemberSolstice(y - 2, Meridian(L)).cjd(), MarchEquinox(y - 1, Meridian(L)).cjd(), JuneSolstice(y - 1, Meridian(L)).cjd(),
            SeptemberEquinox(y - 1, Meridian(L)).cjd(), DecemberSolstice(y - 1, Meridian(L)).cjd(), MarchEquinox(y, Meridian(L)).cjd(),
            JuneSolstice(y, Meridian(L)).cjd(),         SeptemberEquinox(y, Meridian(L)).cjd(),     DecemberSolstice(y, Meridian(L)).cjd(),
            MarchEquinox(y + 1, Meridian(L)).cjd(),     JuneSolstice(y + 1, Meridian(L)).cjd(),     SeptemberEquinox(y + 1, Meridian(L)).cjd(),
            DecemberSolstice(y + 1, Meridian(L)).cjd(), MarchEquinox(y + 2, Meridian(L)).cjd()};
        for (int m = 0; m < kQuarterTableSize; ++m) {
            EXPECT_EQ(t.QuarterMoment[static_cast<size_t>(m)].cjd(), expected[m])
                << what << ", quarter point " << m;
            if (m < 13) {
                EXPECT_NEAR(t.TermMoment[static_cast<size_t>(6 * m)].cjd(), expected[m], 1e-8)
                    << what << ", entry " << 6 * m;
            }
        }
        EXPECT_EQ(t.TermMoment[78].cjd(), t.QuarterMoment[13].cjd())
            << what << ": entry 78 is the computed March equinox of b + 2";
    }
}

TEST(SolarTerms, SolstitialDaysOfSolarYear2013)
{
    const double moment = GregorianJDN(2013, 6, 1).value() + 0.5;
    for (TermMethod method : {TermMethod::TrueSun, TermMethod::MeanSun}) {
        const SolarTermTable t = BuildSolarTerms(Meridian(120).At(moment), method);
        EXPECT_EQ(t.solarYear, 2013) << "method " << static_cast<int>(method);
        EXPECT_EQ(t.TermDay[24].value(), GregorianJDN(2012, 12, 21).value()) << "method " << static_cast<int>(method);
        EXPECT_EQ(t.TermDay[48].value(), GregorianJDN(2013, 12, 22).value()) << "method " << static_cast<int>(method);
    }
    // The 2013 March equinox (11:02 UT) and the minor term after the winter solstice (Xiao han,
    // 2013-01-05 05:34 UT) at China's meridian.
    const SolarTermTable t = BuildSolarTerms(Meridian(120).At(moment), TermMethod::TrueSun);
    EXPECT_EQ(t.TermDay[30].value(), GregorianJDN(2013, 3, 20).value());
    EXPECT_EQ(t.TermDay[25].value(), GregorianJDN(2013, 1, 5).value());
    // Any method value but the mean sun's means the true sun.
    for (int method : {2, -1, 99})
        EXPECT_EQ(BuildSolarTerms(Meridian(120).At(moment), static_cast<TermMethod>(method)).TermMoment, t.TermMoment)
            << "method " << method;
}

TEST(SolarTerms, TrueSunTermsAreFifteenDegreesApartOnTheEngineSun)
{
    // Each term lies a whole number of 15-degree steps past the quarter point that opens its
    // quarter, measured on the engine's apparent Sun, and near its nominal longitude.
    const Build builds[] = {{2013, 6, 1, 120}, {-2000, 9, 9, 105}, {1000, 7, 4, 135},
                            {2999, 12, 31, 120}};
    for (const Build& b : builds) {
        const double moment = GregorianJDN(b.year, b.month, b.day).value() + 0.5;
        const SolarTermTable t = BuildSolarTerms(Meridian(b.longitude).At(moment), TermMethod::TrueSun);
        const std::string what = Describe(b, TermMethod::TrueSun);
        // The engine's Sun takes UT with the delta T of its own moment, the table one delta T for
        // the year; in antiquity delta T drifts by some 25 s a year, which within a quarter of a
        // year moves the Sun by up to 0.0001 degree.
        const double tolerance = b.year >= 1000 ? 0.0001 : 0.0002;
        for (int i = 0; i < kTermTableSize; ++i) {
            const double lon = SunLongitudeDegrees(t.TermMoment[static_cast<size_t>(i)].cjd(), b.longitude);
            const int m = i < 78 ? i / 6 : 13;
            const double q = SunLongitudeDegrees(t.QuarterMoment[static_cast<size_t>(m)].cjd(), b.longitude);
            const double intended = 15.0 * (i - 6 * m);
            EXPECT_NEAR(AngleDifference(lon, q), intended, tolerance)
                << what << ", entry " << i << ": Sun at " << lon << " deg, quarter point at " << q;
            EXPECT_NEAR(AngleDifference(lon, 270.0 + 15.0 * i), 0.0, 0.02)
                << what << ", entry " << i << ": Sun at " << lon << " deg";
        }
    }
}

TEST(SolarTerms, MomentWithoutADayNumberGivesAnInvalidTable)
{
    const double bad[] = {std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity(), -1e300};
    for (double x : bad) {
        for (TermMethod method : {TermMethod::TrueSun, TermMethod::MeanSun}) {
            const SolarTermTable t = BuildSolarTerms(Meridian(120).At(x), method);
            EXPECT_FALSE(IsValid(t)) << "moment " << x << ", method " << static_cast<int>(method);
            EXPECT_EQ(t.solarYear, kNoSolarYear) << "moment " << x;
            EXPECT_TRUE(std::isnan(t.TermMoment[0].cjd())) << "moment " << x;
            EXPECT_EQ(t.TermDay[78].value(), INT32_MIN) << "moment " << x;
        }
    }
}

TEST(SolarTermNames, TableRows)
{
    struct Row {
        int term;
        const char* code;
        const char* pinyin;
        const char* english;
    };
    const Row rows[] = {
        {1, "Z11", "Dong zhi", "Winter solstice"},
        {2, "J12", "Xiao han", "Slight cold"},
        {3, "Z12", "Da han", "Great cold"},
        {4, "J1", "Li chun", "Beginning of spring"},
        {5, "Z1", "Yu shui", "Rain water"},
        {6, "J2", "Jing zhe", "Waking of insects"},
        {7, "Z2", "Chun fen", "Spring equinox"},
        {8, "J3", "Qing ming", "Pure brightness"},
        {9, "Z3", "Gu yu", "Grain rain"},
        {10, "J4", "Li xia", "Beginning of summer"},
        {11, "Z4", "Xiao man", "Grain full"},
        {12, "J5", "Mang zhong", "Grain in ear"},
        {13, "Z5", "Xia zhi", "Summer solstice"},
        {14, "J6", "Xiao shu", "Slight heat"},
        {15, "Z6", "Da shu", "Great heat"},
        {16, "J7", "Li qui", "Beginning of autumn"},
        {17, "Z7", "Chu shu", "Limit of heat"},
        {18, "J8", "Bai lu", "White dew"},
        {19, "Z8", "Qiu fen", "Autumn equinox"},
        {20, "J9", "Han lu", "Cold dew"},
        {21, "Z9", "Shuang jian", "Descent of frost"},
        {22, "J10", "Li dong", "Beginning of winter"},
        {23, "Z10", "Xiao xue", "Slight snow"},
        {24, "J11", "Da xue", "Great snow"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(SolarTermCode(r.term), r.code) << "term " << r.term;
        EXPECT_EQ(SolarTermPinyinName(r.term), r.pinyin) << "term " << r.term;
        EXPECT_EQ(SolarTermEnglishName(r.term), r.english) << "term " << r.term;
        // Table entries r.term - 1, + 24, + 48 name the same term.
        for (int index = r.term - 1; index < 79; index += 24) {
            EXPECT_EQ(SolarTermNumberOfIndex(index), r.term) << "index " << index;
            EXPECT_EQ(SolarTermCodeOfIndex(index), r.code) << "index " << index;
            EXPECT_EQ(SolarTermPinyinNameOfIndex(index), r.pinyin) << "index " << index;
            EXPECT_EQ(SolarTermEnglishNameOfIndex(index), r.english) << "index " << index;
        }
    }
}

TEST(SolarTermNames, BadNumbersHaveNoName)
{
    for (int term : {0, 25, -1, INT_MIN, INT_MAX}) {
        EXPECT_EQ(SolarTermCode(term), "") << "term " << term;
        EXPECT_EQ(SolarTermPinyinName(term), "") << "term " << term;
        EXPECT_EQ(SolarTermEnglishName(term), "") << "term " << term;
    }
    for (int index : {-1, -24, INT_MIN}) {
        EXPECT_EQ(SolarTermNumberOfIndex(index), -1) << "index " << index;
        EXPECT_EQ(SolarTermCodeOfIndex(index), "") << "index " << index;
        EXPECT_EQ(SolarTermPinyinNameOfIndex(index), "") << "index " << index;
        EXPECT_EQ(SolarTermEnglishNameOfIndex(index), "") << "index " << index;
    }
    EXPECT_EQ(SolarTermNumberOfIndex(INT_MAX), INT_MAX % 24 + 1);
}
