// The astronomical engine on the Swiss Ephemeris with its JPL-based standard files: lunar phases,
// delta T, apparent longitudes of the Sun and the Moon, solar-term crossings, and the check that
// the ephemeris files are there. This is the only file that talks to the library.
//
// All positions are apparent geocentric ecliptic longitudes (light time, aberration and nutation
// applied, equinox and ecliptic of date), which is what the calendar rules are defined on.
#include "engine/engine_status.h"
#include "engine/lunev.h"
#include "engine/solev.h"
#include "calendar/core/FloorDivision.h"

#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <string>

namespace {

constexpr double kSecond = 1.0 / 86400.0;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// The standard files cover about -5400..5400 (JD -254000..3696000); outside that every call
// fails anyway. The bounds only keep absurd dates (from extreme lunation numbers) away from the
// library, which would otherwise go looking for files named after them.
constexpr double kMinLibraryJd = -300000.0;
constexpr double kMaxLibraryJd = 3750000.0;

// Newton on the elongation converges in 3 or 4 steps from the mean phase; the cap only
// guarantees an end.
constexpr int kMaxIterations = 30;
constexpr double kConvergedStep = 0.1 * kSecond;
// Mean rate of the Moon-Sun elongation (360 degrees per synodic month), degrees per day.
constexpr double kMeanElongationRate = 360.0 / 29.530588861;

// Mean length of a solar term (a tropical year / 24) in days; used only when the ephemeris
// cannot give the crossings.
constexpr double kMeanTermLength = 365.2422 / 24.0;

// The library reads SE_EPHE_PATH, or its built-in default path, at the first call of
// swe_set_ephe_path(); it must come before any computation.
void EnsureInitialised()
{
    static const bool initialised = [] {
        swe_set_ephe_path(nullptr);
        return true;
    }();
    (void)initialised;
}

// The folders the library searches, for the message when the files are missing.
std::string EphemerisSearchPath()
{
    const char* env = std::getenv("SE_EPHE_PATH");
    if (env != nullptr && env[0] != '\0')
        return env;
    return SE_EPHE_PATH;
}

struct Position {
    double longitude; // degrees, 0..360
    double speed;     // degrees per day
};

// Apparent geocentric position at a TD instant; false when the library cannot compute it
// (no ephemeris covers the date).
bool ApparentPositionTd(double jdTd, int32_t body, Position& out, int32_t extraFlags = 0)
{
    if (!(jdTd >= kMinLibraryJd && jdTd <= kMaxLibraryJd))
        return false;
    double xx[6] = {};
    char serr[AS_MAXCH] = "";
    const int32_t rc = swe_calc(jdTd, body, SEFLG_SWIEPH | SEFLG_SPEED | extraFlags, xx, serr);
    if (rc < 0 || !std::isfinite(xx[0]) || !std::isfinite(xx[3]))
        return false;
    out = {xx[0], xx[3]};
    return true;
}

// Apparent geocentric longitude in radians, 0..2pi, at a UT moment; NaN when no ephemeris covers
// the moment or the moment is not finite.
double ApparentLongitudeUt(double jdUt, int32_t body)
{
    if (!(jdUt >= kMinLibraryJd && jdUt <= kMaxLibraryJd))
        return kNaN;
    EnsureInitialised();
    double xx[6] = {};
    char serr[AS_MAXCH] = "";
    if (swe_calc_ut(jdUt, body, SEFLG_SWIEPH, xx, serr) < 0 || !std::isfinite(xx[0]))
        return kNaN;
    double radians = std::fmod(xx[0], 360.0) * (std::numbers::pi / 180.0);
    if (radians < 0.0)
        radians += kTwoPi;
    if (radians >= kTwoPi) // 359.99999999999999 degrees rounds up to 2pi
        radians -= kTwoPi;
    return radians;
}

// An angle in degrees reduced to -180..180.
double Wrap180(double degrees)
{
    return degrees - 360.0 * std::floor((degrees + 180.0) / 360.0);
}

// Mean phase of Meeus, Astronomical Algorithms, ch. 49: k counts lunations from the dark moon of
// 2000-01-06, quarters as fractions. The polynomial terms are held at their value for +-10000
// years beyond that, so that even extreme lunation numbers give increasing, finite instants.
double MeanPhaseTd(double k)
{
    const double t = std::clamp(k / 1236.85, -100.0, 100.0);
    return 2451550.09766 + 29.530588861 * k
         + t * t * (0.00015437 + t * (-0.000000150 + t * 0.00000000073));
}

constexpr double kDegree = std::numbers::pi / 180.0;

// The first guess of a phase search: the mean phase with the chief periodic terms of Meeus,
// Astronomical Algorithms, ch. 49 (good to some minutes), so that the search needs one step
// fewer than from the mean phase alone. The search still ends on the same instant.
double FirstGuessTd(double k, int64_t quarterOfLunation)
{
    const double t = std::clamp(k / 1236.85, -100.0, 100.0);
    const double e = 1.0 - t * (0.002516 + t * 0.0000074);
    const double m = (2.5534 + 29.10535670 * k - 0.0000014 * t * t) * kDegree;
    const double mp = (201.5643 + 385.81693528 * k + 0.0107582 * t * t) * kDegree;
    const double f = (160.7108 + 390.67050284 * k - 0.0016118 * t * t) * kDegree;
    double c = 0.0;
    switch (quarterOfLunation) {
    case 0:
        c = -0.40720 * std::sin(mp) + 0.17241 * e * std::sin(m) + 0.01608 * std::sin(2 * mp)
          + 0.01039 * std::sin(2 * f) + 0.00739 * e * std::sin(mp - m) - 0.00514 * e * std::sin(mp + m);
        break;
    case 2:
        c = -0.40614 * std::sin(mp) + 0.17302 * e * std::sin(m) + 0.01614 * std::sin(2 * mp)
          + 0.01043 * std::sin(2 * f) + 0.00734 * e * std::sin(mp - m) - 0.00515 * e * std::sin(mp + m);
        break;
    default: {
        const double w = 0.00306 - 0.00038 * e * std::cos(m) + 0.00026 * std::cos(mp);
        c = -0.62801 * std::sin(mp) + 0.17172 * e * std::sin(m) - 0.01183 * e * std::sin(mp + m)
          + 0.00862 * std::sin(2 * mp) + 0.00804 * std::sin(2 * f) + 0.00454 * e * std::sin(mp - m)
          + (quarterOfLunation == 1 ? w : -w);
    }
    }
    return MeanPhaseTd(k) + c;
}

// The TD instant at which the Sun's apparent longitude reaches `target` degrees, by Newton's
// method from `guess`; `sun` receives the position at the last step. NaN when the ephemeris
// fails. Like the library's own crossing search it stops below a milliarcsecond and then takes
// one more step, so the instant is the crossing itself to the last digits.
double SolarCrossingTd(double target, double guess, Position& sun)
{
    constexpr double kCrossPrecision = 1.0 / 3600000.0;
    double t = guess;
    for (int i = 0; i < kMaxIterations; ++i) {
        if (!ApparentPositionTd(t, SE_SUN, sun) || !(sun.speed > 0.5))
            return kNaN;
        const double dist = Wrap180(target - sun.longitude);
        t += dist / sun.speed;
        if (std::fabs(dist) < kCrossPrecision)
            return t;
    }
    return kNaN;
}

} // namespace

double syzyg(int32_t lunation, int32_t phase, int32_t* status)
{
    if (status != nullptr)
        *status = 0;

    // A phase outside 0..3 counts on in quarters: 4 is the dark moon of the next lunation, -1 the
    // last quarter of the previous one. 64 bits hold every such sum exactly.
    const int64_t quarters = int64_t{lunation} * 4 + phase;
    const int64_t quarterOfLunation = orlun::FloorMod(quarters, 4);
    const double targetElongation = 90.0 * static_cast<double>(quarterOfLunation);

    const double guess = MeanPhaseTd(static_cast<double>(quarters) / 4.0);
    if (!(guess >= kMinLibraryJd && guess <= kMaxLibraryJd))
        return guess; // no ephemeris that far: the mean phase is all there is

    EnsureInitialised();
    double t = FirstGuessTd(static_cast<double>(quarters) / 4.0, quarterOfLunation);
    if (!std::isfinite(t))
        t = guess;
    for (int i = 0; i < kMaxIterations; ++i) {
        Position moon{};
        Position sun{};
        // Nutation in longitude moves both bodies alike, so the elongation is found without it
        // (a third of the cost of the full apparent positions, the same instant).
        if (!ApparentPositionTd(t, SE_MOON, moon, SEFLG_NONUT) || !ApparentPositionTd(t, SE_SUN, sun, SEFLG_NONUT))
            return guess;
        const double offset = Wrap180(moon.longitude - sun.longitude - targetElongation);
        double rate = moon.speed - sun.speed;
        if (!(rate > 1.0)) // the elongation always grows by 10..16 degrees a day
            rate = kMeanElongationRate;
        const double step = -offset / rate;
        t += step;
        if (std::fabs(step) < kConvergedStep)
            break;
    }
    return std::isfinite(t) ? t : guess;
}

double deltat(double year, int32_t /*unused*/)
{
    if (std::isnan(year))
        return kNaN;
    // A year number, floored if it comes with a fraction; the clamp only keeps the conversion
    // to int defined (delta T a million years away has no meaning anyway).
    const int y = static_cast<int>(std::clamp(std::floor(year), -1.0e6, 1.0e6));
    EnsureInitialised();
    const double middle = 0.5 * (swe_julday(y, 1, 1, 0.0, SE_GREG_CAL)
                                 + swe_julday(y + 1, 1, 1, 0.0, SE_GREG_CAL));
    char serr[AS_MAXCH] = "";
    return swe_deltat_ex(middle, SEFLG_SWIEPH, serr) * 1440.0;
}

bool near_ephemeris_seam(double jd, double margin)
{
    constexpr double kFileYears = 600.0;
    constexpr double kJ2000 = 2451545.0;
    constexpr double kYearDays = 365.2425;
    if (!std::isfinite(jd) || !(jd >= kMinLibraryJd && jd <= kMaxLibraryJd))
        return false;
    // The nearest seam in years; a margin of days is far below half the files' span.
    const double seamYear = kFileYears * std::round((2000.0 + (jd - kJ2000) / kYearDays) / kFileYears);
    const double seam = swe_julday(static_cast<int>(seamYear), 1, 1, 0.0, SE_GREG_CAL);
    return std::fabs(jd - seam) <= margin;
}

double moonpos(double days)
{
    return ApparentLongitudeUt(2451545.0 + days, SE_MOON);
}

double sun_app(double ut, int32_t* status)
{
    if (status != nullptr)
        *status = 0;
    return ApparentLongitudeUt(ut, SE_SUN);
}

// Each crossing is searched forward from the previous one, never more than 16 days ahead, so the
// next quarter point t2 is not needed to bound the search. When no ephemeris covers the dates
// (far outside -3000..3000) the terms are spread evenly between t1 and t2 instead, so the caller
// always gets an increasing table; the return value is then -2.
int32_t solar_terms_true_sun(double t1, double t2, double* six)
{
    if (six == nullptr || !std::isfinite(t1) || !std::isfinite(t2))
        return -1;

    double found[6] = {t1};
    bool ok = false;
    Position sun{};
    if (t1 >= kMinLibraryJd && t1 <= kMaxLibraryJd) {
        EnsureInitialised();
        ok = ApparentPositionTd(t1, SE_SUN, sun);
    }
    double speed = sun.speed > 0.5 ? sun.speed : 360.0 / 365.2422;
    for (int j = 1; ok && j < 6; ++j) {
        const double target = std::fmod(sun.longitude + 15.0 * j, 360.0);
        const double start = found[j - 1];
        // From the third crossing on the steps so far are extrapolated (the Sun's speed changes
        // slowly and smoothly); before that, 15 degrees at the last speed found.
        const double guess = j >= 3 ? start + 2.0 * (start - found[j - 2]) - (found[j - 2] - found[j - 3])
                                    : start + 15.0 / speed;
        Position last{};
        const double crossing = SolarCrossingTd(target, guess, last);
        ok = std::isfinite(crossing) && crossing > start && crossing < start + 20.0;
        found[j] = crossing;
        speed = last.speed;
    }

    if (!ok) {
        const double span = t2 - t1;
        const double step = (span > 80.0 && span < 100.0) ? span / 6.0 : kMeanTermLength;
        for (int j = 0; j < 6; ++j)
            six[j] = t1 + step * j;
        return -2;
    }
    std::copy(found, found + 6, six);
    return 0;
}

EngineStatus CheckEphemeris()
{
    EnsureInitialised();
    // Moments in every 600-year file of the supported range -3000..3000, and both ends, so
    // that a partial installation is noticed as well as a missing one.
    for (int year = -3000; year <= 3000; year += 300) {
        const double jd = swe_julday(year, 7, 1, 0.0, SE_GREG_CAL);
        for (const int32_t body : {SE_SUN, SE_MOON}) {
            double xx[6] = {};
            char serr[AS_MAXCH] = "";
            const int32_t rc = swe_calc(jd, body, SEFLG_SWIEPH, xx, serr);
            // Without its files the library falls back to the Moshier theory (or fails outside
            // it); either way the returned flags lack SEFLG_SWIEPH.
            if (rc < 0 || (rc & SEFLG_SWIEPH) == 0) {
                return {false, "The Swiss Ephemeris files were not found (looked in "
                                   + EphemerisSearchPath()
                                   + "). Install the Debian package swe-standard-data."};
            }
        }
    }
    return {true, {}};
}
