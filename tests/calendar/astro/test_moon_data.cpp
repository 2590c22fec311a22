// Lunations, phases and the Moon's texts.
#include <gtest/gtest.h>

#include <cmath>

#include "calendar/astro/MoonData.h"
#include "calendar/astro/syzyg.h"
#include "support/PhaseLookupNumber.h"

using namespace orlun;

TEST(Lunations, AMomentAtADarkMoonBelongsToTheLunationThatBeginsThere)
{
    for (int32_t n : {-61800, -20000, -1, 0, 1, 300, 12300}) {
        const double darkMoon = GetPhaseTimeUT(n, 0).ajd();
        ASSERT_EQ(GetLunation(Moment(darkMoon)), n) << "lunation " << n;
        ASSERT_EQ(GetLunation(Moment(std::nextafter(darkMoon, 0.0))), n - 1) << "just before lunation " << n;
        bool exact = false;
        EXPECT_EQ(PhaseNumber(GetPhase(n, Moment(darkMoon)), exact), 0) << n;
        EXPECT_TRUE(exact) << n;
    }
}

TEST(Lunations, ExactOnlyWithinFiveHundredThousandthsOfADay)
{
    const double full = GetPhaseTimeUT(100, 2).ajd();
    bool exact = true;
    EXPECT_EQ(PhaseNumber(GetPhase(100, Moment(full + 0.00004)), exact), 2);
    EXPECT_TRUE(exact);
    EXPECT_EQ(PhaseNumber(GetPhase(100, Moment(full + 0.00006)), exact), 2);
    EXPECT_FALSE(exact);
    // 0.00005 day after the phase is no longer the phase itself.
    EXPECT_EQ(PhaseNumber(GetPhase(0, GetPhaseTimeUT(0, 0) + 0.00005), exact), 0);
    EXPECT_FALSE(exact);
    EXPECT_EQ(PhaseNumber(GetPhase(0, GetPhaseTimeUT(0, 0) + 0.0000499), exact), 0);
    EXPECT_TRUE(exact);
    // Just before the full moon the last phase is the first quarter.
    EXPECT_EQ(PhaseNumber(GetPhase(100, Moment(full - 0.001)), exact), 1);
}

// Around -2000 delta T changes by about 25 seconds a year. A moment a second after a dark moon
// close to New Year still lies in the lunation that dark moon begins.
TEST(Lunations, MomentsJustAfterADarkMoonNearNewYearInAntiquity)
{
    int checked = 0;
    for (int32_t n = -52000; n < -46000; ++n) {
        const double darkMoon = GetPhaseTimeUT(n, 0).ajd();
        const double dayInYear = std::fmod(darkMoon - 625333.0, 365.2425);
        if (dayInYear > 1.0 && dayInYear < 364.2) continue; // only those near New Year
        ++checked;
        for (double after : {1.0 / 86400, 30.0 / 86400}) {
            const auto lunation = GetLunation(Moment(darkMoon + after));
            ASSERT_EQ(lunation, n) << "lunation " << n;
            bool exact = false;
            EXPECT_EQ(PhaseNumber(GetPhase(n, Moment(darkMoon + after)), exact), 0) << "lunation " << n << " + " << after;
        }
    }
    EXPECT_GT(checked, 0);
}

TEST(Lunations, GetPhaseOutsideTheLunation)
{
    bool exact = true;
    EXPECT_EQ(PhaseNumber(GetPhase(5, GetPhaseTimeUT(6, 0) + 0.01), exact), -1);
    EXPECT_FALSE(exact);
    EXPECT_EQ(PhaseNumber(GetPhase(5, GetPhaseTimeUT(5, 0) - 0.01), exact), -2);
}

TEST(Lunations, TheSearchEndsForAnyMoment)
{
    EXPECT_FALSE(GetLunation(Moment(std::nan(""))).has_value());
    EXPECT_FALSE(GetLunation(Moment(INFINITY)).has_value());
    EXPECT_FALSE(GetLunation(Moment(1e300)).has_value());
    EXPECT_FALSE(GetLunation(Moment(-1e300)).has_value());
    // Far outside the supported years, but inside 32-bit lunations: it still ends.
    (void)GetLunation(Moment(1.0e9));
    (void)GetLunation(Moment(-1.0e9));
    SUCCEED();
}

TEST(Lunations, LunationsAtBothEndsOfTheRange)
{
    // -3000-01-01 and 3000-01-01 CE.
    for (double moment : {625333.0, 2816788.0}) {
        const auto n = GetLunation(Moment(moment));
        ASSERT_TRUE(n.has_value()) << moment;
        EXPECT_LE(GetPhaseTimeUT(*n, 0).ajd(), moment);
        EXPECT_GT(GetPhaseTimeUT(*n + 1, 0).ajd(), moment);
    }
}

TEST(Lunations, TheMoonLongitudeIsAskedOnlyFor1600To2099)
{
    EXPECT_EQ(GetMoonLongitude(Moment(2305447.4)), kMoonLongitudeTooEarly); // 1599-12-31
    EXPECT_NE(GetMoonLongitude(Moment(2305447.5)), kMoonLongitudeTooEarly); // 1600-01-01 00:00
    EXPECT_NE(GetMoonLongitude(Moment(2488069.4)), kMoonLongitudeTooLate);  // 2099-12-31
    EXPECT_EQ(GetMoonLongitude(Moment(2488069.5)), kMoonLongitudeTooLate);  // 2100-01-01 00:00
    EXPECT_EQ(GetMoonLongitude(Moment(std::nan(""))), kMoonLongitudeTooEarly);
}

TEST(MoonTexts, AgeOfMoon)
{
    EXPECT_EQ(AgeOfMoonStr(0.0), "0 days, 0 hrs, 0 mins");
    EXPECT_EQ(AgeOfMoonStr(1.0), "1 day, 0 hrs, 0 mins");
    EXPECT_EQ(AgeOfMoonStr(1.0 + 1.0 / 24 + 1.5 / 1440), "1 day, 1 hr, 1 min");
    EXPECT_EQ(AgeOfMoonStr(12.0 + 14.0 / 24 + 29.5 / 1440), "12 days, 14 hrs, 29 mins");
    EXPECT_EQ(AgeOfMoonStr(29.999), "29 days, 23 hrs, 58 mins");
}

TEST(MoonTexts, PhaseNamesAndSuffixes)
{
    const struct {
        double illumination;
        bool waxing;
        const char* text;
    } cases[] = {
        {0.0, true, "Dark moon, 0.0%"},
        {0.0004, true, "Dark moon, 0.0%"}, // below 0.05%: no waxing or waning
        {0.0005, true, "Dark moon (waxing), 0.1%"},
        {0.0099, false, "Dark moon (waning), 1.0%"},
        {0.01, true, "Crescent moon (waxing), 1.0%"},
        {0.123, true, "Crescent moon (waxing), 12.3%"},
        {0.449, false, "Crescent moon (waning), 44.9%"},
        {0.45, true, "Half moon (waxing), 45.0%"},
        {0.5, true, "Half moon (waxing), 50.0%"},
        {0.55, false, "Gibbous moon (waning), 55.0%"},
        {0.9899, true, "Gibbous moon (waxing), 99.0%"},
        {0.99, true, "Full moon (waxing), 99.0%"},
        {0.9996, false, "Full moon, 100.0%"},
        {1.0, false, "Full moon, 100.0%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PhaseOfMoonText(c.illumination, c.waxing), c.text) << c.illumination;
}

TEST(MoonTexts, IlluminationGeometricAndInterpolated)
{
    EXPECT_NEAR(GeometricIllumination(0.1, 0.1), 0.0, 1e-12);
    // The smaller of the two angles between the longitudes counts, on either side.
    EXPECT_NEAR(GeometricIllumination(3.5, 0.5), (1 - std::cos(3.0)) / 2, 1e-12);
    EXPECT_NEAR(GeometricIllumination(0.5, 3.5), (1 - std::cos(3.0)) / 2, 1e-12);
    EXPECT_NEAR(GeometricIllumination(6.0, 0.2), (1 - std::cos(0.2 + 2 * M_PI - 6.0)) / 2, 1e-12);
    EXPECT_NEAR(GeometricIllumination(0.5 + M_PI, 0.5), 1.0, 1e-12);
    EXPECT_NEAR(GeometricIllumination(0.5, 0.5 + M_PI / 2), 0.5, 1e-12);
    // Halfway between a dark moon and the first quarter a quarter of the way to full.
    EXPECT_NEAR(InterpolatedIllumination(0, Moment(0.0), Moment(8.0), Moment(4.0)), (1 - std::cos(M_PI / 4)) / 2, 1e-12);
    EXPECT_NEAR(InterpolatedIllumination(1, Moment(0.0), Moment(8.0), Moment(0.0)), 0.5, 1e-12);
    EXPECT_NEAR(InterpolatedIllumination(2, Moment(0.0), Moment(8.0), Moment(0.0)), 1.0, 1e-12);
    EXPECT_NEAR(InterpolatedIllumination(3, Moment(0.0), Moment(8.0), Moment(8.0)), 0.0, 1e-12);
}

TEST(MoonTexts, MoonDataAtFullMoonAndOutsideTheGeometricYears)
{
    const double full = GetPhaseTimeUT(0, 2).ajd();
    const MoonData m = ComputeMoonData(Moment(full + 0.001));
    ASSERT_TRUE(m.ok) << m.error;
    EXPECT_TRUE(m.geometric);
    EXPECT_EQ(m.phase, 2);
    EXPECT_FALSE(m.waxing);
    EXPECT_GT(m.illumination, 0.99);
    EXPECT_EQ(m.phaseText.substr(0, 9), "Full moon");
    EXPECT_EQ(m.ageText.substr(0, 4), "[0] ");

    // In 2500 the illumination is interpolated between the phase instants.
    const auto n = GetLunation(Moment(2634166.0));
    ASSERT_TRUE(n.has_value());
    const double quarter = GetPhaseTimeUT(*n, 1).ajd();
    const MoonData q = ComputeMoonData(Moment(quarter));
    ASSERT_TRUE(q.ok);
    EXPECT_FALSE(q.geometric);
    EXPECT_NEAR(q.illumination, 0.5, 1e-9);
    EXPECT_EQ(q.phaseText, "Half moon (waxing), 50.0%");
}
