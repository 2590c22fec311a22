// The engine's contract: lunation numbering, ordering, extreme and bad arguments, longitudes,
// delta T and the check of the ephemeris files.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "engine/engine_status.h"
#include "engine/lunev.h"
#include "engine/solev.h"
#include "refdata_tables.h"

namespace {

constexpr double kSecond = 1.0 / 86400.0;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kRadToDeg = 180.0 / std::numbers::pi;

TEST(Syzyg, LunationZeroBeginsWithTheDarkMoonOf2000January6)
{
    // USNO: 2000-01-06 18:14 UT to the minute; delta T was 64 s.
    const double td = syzyg(0, 0, nullptr);
    EXPECT_GE(td, refdata::JulianDate(2000, 1, 6, 18, 14)) << std::fixed << td;
    EXPECT_LT(td, refdata::JulianDate(2000, 1, 6, 18, 15)) << std::fixed << td;
    const double ut = td - deltat(2000, 1915) / 1440.0;
    EXPECT_NEAR(ut, refdata::JulianDate(2000, 1, 6, 18, 14), 30 * kSecond) << std::fixed << ut;
}

// Spans of lunations around the ends of the supported years (-3000, 3000), the present, and
// the ends of the ephemeris files (about -5400 and 5400), where the engine gives way to the mean
// phases: the instants must keep increasing everywhere.
TEST(Syzyg, PhasesIncreaseWithinAndAcrossLunations)
{
    struct Span {
        int32_t first;
        bool realMonths; // inside the ephemeris: lunation lengths as observed
    };
    const Span spans[] = {{-61900, true}, {-30, true}, {12340, true}, {-91590, false}, {42000, false}};
    for (const auto& span : spans) {
        double previous = syzyg(span.first - 1, 3, nullptr);
        for (int32_t n = span.first; n < span.first + 120; ++n) {
            for (int32_t phase = 0; phase < 4; ++phase) {
                const double t = syzyg(n, phase, nullptr);
                EXPECT_GT(t - previous, 5.0) << "syzyg(" << n << ", " << phase << ") = " << std::fixed << t;
                EXPECT_LT(t - previous, 10.0) << "syzyg(" << n << ", " << phase << ") = " << std::fixed << t;
                previous = t;
            }
            if (span.realMonths) {
                const double length = syzyg(n + 1, 0, nullptr) - syzyg(n, 0, nullptr);
                EXPECT_GE(length, 29.27) << "lunation " << n;
                EXPECT_LE(length, 29.84) << "lunation " << n;
            }
        }
    }
}

// Far beyond any ephemeris the mean phase stands in: still finite and in order.
TEST(Syzyg, ExtremeLunationsGiveFiniteIncreasingInstants)
{
    const int32_t lunations[] = {INT32_MIN, INT32_MIN + 1, -1000000, 1000000, INT32_MAX - 1, INT32_MAX};
    for (const int32_t n : lunations) {
        double previous = -kInf;
        for (int32_t phase = 0; phase < 4; ++phase) {
            const double t = syzyg(n, phase, nullptr);
            EXPECT_TRUE(std::isfinite(t)) << "syzyg(" << n << ", " << phase << ") = " << t;
            EXPECT_GT(t, previous) << "syzyg(" << n << ", " << phase << ")";
            previous = t;
        }
        for (const int32_t phase : {INT32_MIN, INT32_MAX}) {
            const double t = syzyg(n, phase, nullptr);
            EXPECT_TRUE(std::isfinite(t)) << "syzyg(" << n << ", " << phase << ") = " << t;
        }
    }
    EXPECT_LT(syzyg(INT32_MAX - 1, 0, nullptr), syzyg(INT32_MAX, 0, nullptr));
    EXPECT_LT(syzyg(INT32_MIN, 0, nullptr), syzyg(INT32_MIN + 1, 0, nullptr));
}

// A phase outside 0..3 counts on in quarters into the neighbouring lunations.
TEST(Syzyg, PhaseOutsideZeroToThreeCarriesIntoTheLunation)
{
    struct Case {
        int32_t lunation, phase, sameLunation, samePhase;
    };
    const Case cases[] = {{0, 4, 1, 0}, {0, -1, -1, 3}, {5, 9, 7, 1}, {-3, -8, -5, 0}, {-61900, 6, -61899, 2}};
    for (const auto& c : cases) {
        EXPECT_EQ(syzyg(c.lunation, c.phase, nullptr), syzyg(c.sameLunation, c.samePhase, nullptr))
            << "syzyg(" << c.lunation << ", " << c.phase << ") should be syzyg(" << c.sameLunation
            << ", " << c.samePhase << ")";
    }
    EXPECT_GT(syzyg(INT32_MAX, 4, nullptr), syzyg(INT32_MAX, 3, nullptr));
    EXPECT_LT(syzyg(INT32_MIN, -1, nullptr), syzyg(INT32_MIN, 0, nullptr));
}

TEST(Engine, StatusWordsAreClearedAndMayBeNull)
{
    int32_t status = 12345;
    syzyg(100, 2, &status);
    EXPECT_EQ(status, 0);
    status = 12345;
    sun_app(2451545.0, &status);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(std::isfinite(syzyg(100, 2, nullptr)));
    EXPECT_TRUE(std::isfinite(sun_app(2451545.0, nullptr)));
}

TEST(Longitudes, StayWithinZeroToTwoPiOverTheDisplayedYears)
{
    // 1600-01-01 to 2099-12-31, at an odd step so that every part of both cycles is visited.
    for (double ut = 2305448.0; ut < 2488070.0; ut += 37.3) {
        const double moon = moonpos(ut - 2451545.0);
        const double sun = sun_app(ut, nullptr);
        EXPECT_GE(moon, 0.0) << "moonpos at JD " << std::fixed << ut;
        EXPECT_LT(moon, 2 * std::numbers::pi) << "moonpos at JD " << std::fixed << ut;
        EXPECT_GE(sun, 0.0) << "sun_app at JD " << std::fixed << ut;
        EXPECT_LT(sun, 2 * std::numbers::pi) << "sun_app at JD " << std::fixed << ut;
    }
}

TEST(Longitudes, MatchPublishedApparentPositions)
{
    struct Case {
        const char* what;
        bool moon;
        double ut;
        double degrees;
        double tolerance;
    };
    const Case cases[] = {
        // Meeus, Astronomical Algorithms, example 25.b: 1992-10-13 0h TD, full VSOP87, apparent
        // 199 deg 54' 21.56" (geometric 26.18", nutation +15.91", aberration -20.54"); delta T 59 s.
        // Within an arcsecond, so that a missing nutation or aberration shows.
        {"Sun 1992-10-13", false, 2448908.5 - 59.0 * kSecond, 199.0 + 54.0 / 60 + 21.56 / 3600, 0.0003},
        // Meeus example 47.a: 1992-04-12 0h TD, truncated lunar theory (about 10" good); delta T 59 s.
        {"Moon 1992-04-12", true, 2448724.5 - 59.0 * kSecond, 133.167265, 0.003},
        // The Sun stands about 280 degrees along the ecliptic as 2000 begins.
        {"Sun 2000-01-01", false, 2451544.5, 280.0, 0.5},
    };
    for (const auto& c : cases) {
        const double radians = c.moon ? moonpos(c.ut - 2451545.0) : sun_app(c.ut, nullptr);
        EXPECT_NEAR(radians * kRadToDeg, c.degrees, c.tolerance) << c.what << " at JD " << std::fixed << c.ut;
    }
}

TEST(Engine, NonFiniteArgumentsAreRefused)
{
    for (const double bad : {kNaN, kInf, -kInf}) {
        EXPECT_TRUE(std::isnan(moonpos(bad))) << "moonpos(" << bad << ")";
        EXPECT_TRUE(std::isnan(sun_app(bad, nullptr))) << "sun_app(" << bad << ")";
        double six[6] = {1, 2, 3, 4, 5, 6};
        EXPECT_EQ(solar_terms_true_sun(bad, 2451600.0, six), -1) << "t1 = " << bad;
        EXPECT_EQ(solar_terms_true_sun(2451500.0, bad, six), -1) << "t2 = " << bad;
        for (int j = 0; j < 6; ++j)
            EXPECT_EQ(six[j], j + 1.0) << "the table must stay untouched, t = " << bad;
    }
    EXPECT_TRUE(std::isnan(deltat(kNaN, 1915)));
    EXPECT_EQ(solar_terms_true_sun(2451500.0, 2451590.0, nullptr), -1);
}

// Terms 15 degrees apart take 14.7 to 15.8 days; at the ends of the supported years too.
TEST(SolarTerms, CrossingsIncreaseAndEndBeforeTheNextQuarterPoint)
{
    const double starts[] = {refdata::JulianDate(-3000, 12, 21), refdata::JulianDate(0, 3, 20),
                             refdata::JulianDate(2024, 6, 20), refdata::JulianDate(3000, 9, 23)};
    for (const double t1 : starts) {
        const double t2 = t1 + 93.0;
        double six[6] = {};
        ASSERT_EQ(solar_terms_true_sun(t1, t2, six), 0) << "t1 = " << std::fixed << t1;
        EXPECT_EQ(six[0], t1);
        for (int j = 1; j < 6; ++j) {
            EXPECT_GT(six[j] - six[j - 1], 14.6) << "t1 = " << std::fixed << t1 << ", term " << j;
            EXPECT_LT(six[j] - six[j - 1], 15.9) << "t1 = " << std::fixed << t1 << ", term " << j;
        }
        EXPECT_LT(six[5], t2) << "t1 = " << std::fixed << t1;
    }
}

// Far outside the ephemeris the terms are spread evenly between the quarter points.
TEST(SolarTerms, BeyondTheEphemerisTermsAreSpreadEvenly)
{
    const double t1 = 1.0e7;
    const double t2 = t1 + 90.0;
    double six[6] = {};
    EXPECT_EQ(solar_terms_true_sun(t1, t2, six), -2);
    for (int j = 0; j < 6; ++j)
        EXPECT_DOUBLE_EQ(six[j], t1 + 15.0 * j) << "term " << j;
}

TEST(DeltaT, IsTakenAtTheMiddleOfTheYearAndIgnoresTheSecondArgument)
{
    EXPECT_NEAR(deltat(2000, 1915) * 60.0, 64.0, 0.3); // 63.8 s on 2000-01-01, 64.1 s a year later
    EXPECT_EQ(deltat(2000, 0), deltat(2000, 1915));
    EXPECT_EQ(deltat(2000.9, 1915), deltat(2000, 1915)) << "a fractional year counts as its whole year";
    EXPECT_GT(deltat(-5000, 1915), 1440.0) << "delta T may exceed a day in the remote past";
    EXPECT_TRUE(std::isfinite(deltat(1.0e9, 1915)));
    EXPECT_TRUE(std::isfinite(deltat(-kInf, 1915)));
}

// USNO's observed delta T at the middle of each year 1900-2019: the half-year rows of the
// historic table up to 1972, the July rows of the monthly table from 1973, 2019.5 predicted.
TEST(DeltaT, AgreesWithUsnoFrom1900To2019)
{
    std::vector<std::pair<int, double>> observed; // year, seconds at its middle
    {
        std::ifstream in(refdata::AstroPath("usno_deltat_historic_1657-1984.txt"));
        std::string line;
        double year = 0.0, seconds = 0.0;
        while (std::getline(in, line)) {
            if (std::sscanf(line.c_str(), "%lf %lf", &year, &seconds) == 2 && year >= 1900.0 && year < 1973.0
                && year - std::floor(year) == 0.5)
                observed.emplace_back(static_cast<int>(year), seconds);
        }
    }
    {
        std::ifstream in(refdata::AstroPath("usno_deltat_monthly_1973-2019.txt"));
        std::string line;
        int year = 0, month = 0, day = 0;
        double seconds = 0.0;
        while (std::getline(in, line)) {
            if (std::sscanf(line.c_str(), "%d %d %d %lf", &year, &month, &day, &seconds) == 4 && month == 7)
                observed.emplace_back(year, seconds);
        }
    }
    {
        std::ifstream in(refdata::AstroPath("usno_deltat_predicted.txt"));
        std::string line;
        double mjd = 0.0, year = 0.0, seconds = 0.0;
        while (std::getline(in, line)) {
            if (std::sscanf(line.c_str(), "%lf %lf %lf", &mjd, &year, &seconds) == 3 && year == 2019.5)
                observed.emplace_back(2019, seconds);
        }
    }
    ASSERT_EQ(observed.size(), 120u) << "one value for each year 1900..2019";

    constexpr double kToleranceSeconds = 2.0;
    double worst = 0.0;
    int worstYear = 0;
    for (const auto& [year, seconds] : observed) {
        const double ours = deltat(year, 1915) * 60.0;
        if (std::fabs(ours - seconds) > std::fabs(worst)) {
            worst = ours - seconds;
            worstYear = year;
        }
        EXPECT_NEAR(ours, seconds, kToleranceSeconds) << "delta T of " << year << " in seconds";
    }
    std::printf("delta T 1900..2019 against USNO: largest difference %+.2f s (%d)\n", worst, worstYear);
}

TEST(CheckEphemeris, AcceptsTheInstalledFiles)
{
    const EngineStatus status = CheckEphemeris();
    EXPECT_TRUE(status.ok) << status.message;
    EXPECT_EQ(status.message, "");
}

// The ephemeris path is read once per process, so the missing-files case runs in a fresh process:
// this program again, with SE_EPHE_PATH pointing at an empty folder and only the hidden test
// below selected. Its output is read back to be sure that the hidden test did run and pass.
struct ChildRun {
    int exitCode = -1;
    std::string output;
};

ChildRun RunHiddenTestWithEphemerisPath(const std::string& path)
{
    const std::string filter = "--gtest_filter=CheckEphemeris.DISABLED_ReportsMissingFilesInThisProcess";
    const std::string disabled = "--gtest_also_run_disabled_tests";
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return {};
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        dup2(pipeFds[1], STDERR_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        setenv("SE_EPHE_PATH", path.c_str(), 1);
        execl("/proc/self/exe", "engine_tests", filter.c_str(), disabled.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    ChildRun run;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0)
        run.output.append(buffer, static_cast<size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    return run;
}

TEST(CheckEphemeris, ReportsMissingFilesAndWhereItLooked)
{
    char folder[] = "/tmp/orlun-empty-ephe-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const ChildRun run = RunHiddenTestWithEphemerisPath(folder);
    rmdir(folder);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("[  PASSED  ] 1 test."), std::string::npos) << run.output;
}

// Run only by the test above, in its own process.
TEST(CheckEphemeris, DISABLED_ReportsMissingFilesInThisProcess)
{
    const char* path = std::getenv("SE_EPHE_PATH");
    ASSERT_NE(path, nullptr) << "meant to run with SE_EPHE_PATH set to an empty folder";
    const EngineStatus status = CheckEphemeris();
    EXPECT_FALSE(status.ok);
    EXPECT_EQ(status.message, std::string("The Swiss Ephemeris files were not found (looked in ") + path
                                  + "). Install the Debian package swe-standard-data.");
    // The engine still answers (from the analytic theory where it can), never with garbage.
    EXPECT_TRUE(std::isfinite(syzyg(0, 0, nullptr)));
}

} // namespace
