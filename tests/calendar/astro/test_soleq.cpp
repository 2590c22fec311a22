// Equinoxes and solstices (Meeus, chapter 27), their CJDC instants and the solar year of a moment.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/western/DatePr2.h"
#include "calendar/astro/SolEq.h"
#include "engine/lunev.h"
#include "engine/solev.h"
#include "support/CalendarTestSupport.h"

using namespace orlun;
using namespace orlun::test;

namespace {

// Quarter codes as the reference tables number them (0 March equinox .. 3 December solstice).
Quarter Q(int code) { return static_cast<Quarter>(code); }


constexpr double kPi = 3.14159265358979323846;

struct SeasonEvent {
    int year;
    int quarter;
    double ut; // AJD
};

// The equinoxes and solstices of the USNO seasons file ("2013-12-21T17:11Z Solstice").
std::vector<SeasonEvent> ReadUsnoSeasons(int fromYear, int toYear)
{
    std::vector<SeasonEvent> events;
    std::ifstream in(std::string(ORLUN_REFDATA_DIR) + "/astro/usno_seasons_1800-2100.txt");
    std::string stamp, kind;
    while (in >> stamp >> kind) {
        if (kind != "Equinox" && kind != "Solstice")
            continue;
        int year = 0, month = 0, day = 0, hour = 0, minute = 0;
        char z = 0;
        if (std::sscanf(stamp.c_str(), "%d-%d-%dT%d:%d%c", &year, &month, &day, &hour, &minute,
                        &z) != 6)
            continue;
        if (year < fromYear || year > toYear)
            continue;
        const int32_t jdn = DateToJDN(WesternDate{year, month, day, WesternCalendar::Gregorian}).value();
        events.push_back({year, month / 3 - 1, jdn - 0.5 + (hour * 60 + minute) / 1440.0});
    }
    return events;
}

double DegreesFrom(double radians) { return radians * 180.0 / kPi; }

} // namespace

TEST(SolEq, AgreesWithUsnoSeasons1900To2100)
{
    const auto events = ReadUsnoSeasons(1900, 2100);
    ASSERT_EQ(events.size(), 201u * 4u) << "equinoxes and solstices read from the USNO file";
    double largest = 0.0;
    SeasonEvent worst{};
    for (const SeasonEvent& e : events) {
        const double ours = SolsticeOrEquinoxUT(Q(e.quarter), e.year).ajd();
        const double minutes = (ours - e.ut) * 1440.0;
        if (std::fabs(minutes) > std::fabs(largest)) {
            largest = minutes;
            worst = e;
        }
        // USNO rounds to the minute; Meeus's method is good to about a minute here.
        EXPECT_LT(std::fabs(minutes), 2.0)
            << "year " << e.year << " quarter " << e.quarter << ": ours " << ours << ", USNO "
            << e.ut << ", difference " << minutes << " min";
    }
    RecordProperty("largest_difference_seconds", static_cast<int>(std::lround(largest * 60.0)));
    RecordProperty("largest_difference_event",
                   std::to_string(worst.year) + " quarter " + std::to_string(worst.quarter));
}

TEST(SolEq, AgreesWithDE441QuarterPointsInDynamicalTime)
{
    // Columns of the table: year, jd0, then 25 solar terms in days after jd0 (TDB, which is TD
    // to within milliseconds), from the winter solstice of the year before; the March equinox,
    // June solstice, September equinox and this year's December solstice are columns 6, 12, 18
    // and 24 of the terms.
    std::ifstream in(std::string(ORLUN_REFDATA_DIR) + "/astro/ytliu0_TDBtimes_1600-3500.txt");
    std::string line;
    std::getline(in, line);
    int years = 0;
    double largest = 0.0;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        int year = 0;
        double jd0 = 0.0;
        double terms[25];
        fields >> year >> jd0;
        for (double& t : terms)
            fields >> t;
        if (!fields || year > 3000)
            continue;
        ++years;
        for (int q = 0; q < 4; ++q) {
            const double expected = jd0 + terms[6 * (q + 1)];
            const double seconds = (SolsticeOrEquinoxTD(Q(q), year).jde() - expected) * 86400.0;
            largest = std::max(largest, std::fabs(seconds));
            // Meeus's method is good to about a minute near 2000 and drifts to some two minutes
            // by the year 3000.
            EXPECT_LT(std::fabs(seconds), year <= 2100 ? 90.0 : 180.0)
                << "year " << year << " quarter " << q << ": ours "
                << SolsticeOrEquinoxTD(Q(q), year).jde() << ", DE441 " << expected;
        }
    }
    EXPECT_EQ(years, 1401) << "years 1600..3000 read from the DE441 table";
    RecordProperty("largest_difference_seconds", static_cast<int>(std::lround(largest)));
}

TEST(SolEq, MeeusWorkedExampleJuneSolstice1962)
{
    // Astronomical Algorithms, example 27.a: JDE = 2437837.39245 (1962 June 21, 21h25m TD).
    EXPECT_NEAR(SolsticeOrEquinoxTD(Quarter::JuneSolstice, 1962).jde(), 2437837.39245, 1e-5);
}

TEST(SolEq, TableBStartsAtTheYear1000)
{
    using namespace soleq_detail;
    for (int q = 0; q < 4; ++q) {
        EXPECT_EQ(MeanInstant(Q(q), 1000), MeanInstantTableB(Q(q), -1.0)) << "quarter " << q;
        EXPECT_EQ(MeanInstant(Q(q), 999), MeanInstantTableA(Q(q), 0.999)) << "quarter " << q;
        EXPECT_EQ(MeanInstant(Q(q), -1000), MeanInstantTableA(Q(q), -1.0)) << "quarter " << q;
        // Both tables describe the same seasons: they meet at the year 1000 to within their
        // fifth decimal, which a wrongly typed coefficient would break.
        EXPECT_NEAR(MeanInstantTableA(Q(q), 1.0), MeanInstantTableB(Q(q), -1.0), 2e-5) << "quarter " << q;
    }
}

TEST(SolEq, SunIsAtTheQuarterLongitudeAcrossTheRange)
{
    // Checked against the engine's apparent Sun, both tables and the extrapolated ends included.
    const int years[] = {-3000, -2000, -1000, -500, 0, 500, 999, 1000, 1500, 2000, 2500, 3000};
    for (int year : years) {
        for (int q = 0; q < 4; ++q) {
            const double ut = SolsticeOrEquinoxUT(Q(q), year).ajd();
            const double lon = DegreesFrom(sun_app(ut, nullptr));
            const double off = AngleDifference(lon, 90.0 * q);
            // 0.005 degree is about 7 minutes of the Sun's motion, 0.02 half an hour.
            EXPECT_LT(std::fabs(off), year >= -1000 ? 0.005 : 0.02)
                << "year " << year << " quarter " << q << ": apparent longitude " << lon;
        }
    }
}

TEST(SolEq, UnknownQuarterHasNoInstant)
{
    for (int q : {-1, 4, 100})
        EXPECT_TRUE(std::isnan(SolsticeOrEquinoxTD(Q(q), 2000).jde())) << "quarter " << q;
    EXPECT_TRUE(std::isnan(soleq_detail::MeanInstant(Q(4), 2000)));
}

TEST(SolEq, QuarterPointsAtTheReferenceMeridian)
{
    struct Case {
        int longitude;
        double offset; // CJDC - AJD
    };
    const Case cases[] = {{105, 0.5 + 7.0 / 24.0}, {120, 0.5 + 1.0 / 3.0}, {135, 0.5 + 3.0 / 8.0}};
    for (const Case& c : cases) {
        for (int year : {1000, 2013}) {
            EXPECT_NEAR(MarchEquinox(year, Meridian(c.longitude)).cjd() - SolsticeOrEquinoxUT(Q(0), year).ajd(), c.offset,
                        1e-8)
                << "year " << year << " longitude " << c.longitude;
            EXPECT_NEAR(JuneSolstice(year, Meridian(c.longitude)).cjd() - SolsticeOrEquinoxUT(Q(1), year).ajd(), c.offset,
                        1e-8)
                << "year " << year << " longitude " << c.longitude;
            EXPECT_NEAR(SeptemberEquinox(year, Meridian(c.longitude)).cjd() - SolsticeOrEquinoxUT(Q(2), year).ajd(),
                        c.offset, 1e-8)
                << "year " << year << " longitude " << c.longitude;
            EXPECT_NEAR(DecemberSolstice(year, Meridian(c.longitude)).cjd() - SolsticeOrEquinoxUT(Q(3), year).ajd(),
                        c.offset, 1e-8)
                << "year " << year << " longitude " << c.longitude;
        }
    }
    // UT is TD less the engine's delta T of the year.
    EXPECT_NEAR(SolsticeOrEquinoxTD(Q(3), 2013).jde() - SolsticeOrEquinoxUT(Q(3), 2013).ajd(),
                deltat(2013, 1915) / 1440.0, 1e-9);
}

TEST(SolEq, SolarYearChangesOnTheDayOfTheDecemberSolstice)
{
    // 2012-12-21 11:12 UT is 19:12 CCT on the same day, JDN 2456283.
    EXPECT_EQ(SolarYearOf(Meridian(120).At(2456283.0)), 2013);
    EXPECT_EQ(SolarYearOf(Meridian(120).At(2456282.9999)), 2012);
    for (int longitude : {105, 120, 135}) {
        for (int year : {-2000, 0, 1000, 1999, 2012, 2013, 2100, 2900}) {
            const double day = std::floor(DecemberSolstice(year, Meridian(longitude)).cjd());
            const struct {
                double moment;
                int expected;
            } cases[] = {
                {day, year + 1},          {day + 0.999999, year + 1}, {day - 1e-6, year},
                {day - 1.0, year},        {day + 11.0, year + 1},     {day - 340.0, year},
                {day + 10.0, year + 1},
            };
            for (const auto& c : cases)
                EXPECT_EQ(SolarYearOf(Meridian(longitude).At(c.moment)), c.expected)
                    << "moment " << c.moment << " (December solstice day " << day << " of "
                    << year << ", longitude " << longitude << ")";
        }
    }
}

TEST(SolEq, SolarYearOfAMomentWithoutADayNumber)
{
    const double bad[] = {std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(), 1e300, -1e300, 3e9};
    for (double x : bad)
        EXPECT_EQ(SolarYearOf(Meridian(120).At(x)), kNoSolarYear) << "moment " << x;
}

TEST(SolEq, Interpolate)
{
    EXPECT_DOUBLE_EQ(Interpolate(10.0, 34.0, 0, 24), 10.0);
    EXPECT_DOUBLE_EQ(Interpolate(10.0, 34.0, 6, 24), 16.0);
    EXPECT_DOUBLE_EQ(Interpolate(10.0, 34.0, 24, 24), 34.0);
    EXPECT_DOUBLE_EQ(Interpolate(34.0, 10.0, 12, 24), 22.0);
    EXPECT_TRUE(std::isnan(Interpolate(10.0, 34.0, 1, 0))) << "no steps: no answer";
}
