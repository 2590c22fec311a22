#include "calendar/astro/MoonData.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "calendar/astro/syzyg.h"
#include "engine/lunev.h"
#include "engine/solev.h"

namespace orlun {

namespace {

constexpr double kPi = std::numbers::pi;

// The phase instants of a moment lie within two lunations of it (the search for its lunation
// included); with the width of the files' overlap this keeps every remembered instant away from
// the seams.
constexpr double kSeamMargin = 200;

std::string Count(long n, const char* unit)
{
    return std::to_string(n) + " " + unit + (n == 1 ? "" : "s");
}

// With "." as the decimal point whatever the process locale says.
std::string OneDecimal(double x)
{
    char buf[400];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, 1);
    return ec == std::errc() ? std::string(buf, end) : std::string();
}

} // namespace

std::string AgeOfMoonStr(double age)
{
    if (!std::isfinite(age)) return "";
    const double days = std::floor(age);
    const double hours = std::floor((age - days) * 24);
    const double minutes = std::floor((age - days - hours / 24) * 24 * 60);
    return Count(static_cast<long>(days), "day") + ", " + Count(static_cast<long>(hours), "hr") +
           ", " + Count(static_cast<long>(minutes), "min");
}

double GeometricIllumination(double moonLongitude, double sunLongitude)
{
    double d1 = moonLongitude - sunLongitude;
    double d2 = sunLongitude - moonLongitude;
    if (d1 < 0) d1 += 2 * kPi;
    if (d2 < 0) d2 += 2 * kPi;
    const double e = std::min(d1, d2);
    return (1 - std::cos(e)) / 2;
}

double InterpolatedIllumination(int k, Moment t0, Moment t1, Moment moment)
{
    const double s = t1 - t0;
    double f = 0;
    switch (k) {
    case 0: f = (moment - t0) / s / 2; break;
    case 1: f = (moment - t0) / s / 2 + 0.5; break;
    case 2: f = (t1 - moment) / s / 2 + 0.5; break;
    default: f = (t1 - moment) / s / 2; break;
    }
    return (1 - std::cos(kPi * f)) / 2;
}

std::string PhaseOfMoonText(double illumination, bool waxing)
{
    const double p = illumination * 100;
    const char* name = p < 1 ? "Dark moon"
                       : p < 45 ? "Crescent moon"
                       : p < 55 ? "Half moon"
                       : p < 99 ? "Gibbous moon"
                                : "Full moon";
    std::string text = name;
    if (p >= 0.05 && p <= 99.95) text += waxing ? " (waxing)" : " (waning)";
    return text + ", " + OneDecimal(p) + "%";
}

namespace {

// The Moon data with the phase instants taken from phaseUT(n, k), asked in the same order
// whatever answers them.
template <class PhaseUT>
MoonData MoonDataFrom(Moment at, PhaseUT&& phaseUT)
{
    const double moment = at.ajd();
    MoonData m;
    const std::optional<int32_t> lunation = FindLunation(at, [&phaseUT](int32_t n) { return phaseUT(n, 0); });
    if (!lunation) {
        m.error = "Error when calling GetLunation() in DisplayMoonData().";
        return m;
    }
    const int32_t L = *lunation;
    m.lunation = L;
    const PhaseLookup found = FindPhase(L, at, phaseUT);

    const double start = phaseUT(L, 0).ajd();
    const double next = phaseUT(L + 1, 0).ajd();
    const double age = moment - start;
    m.ageText = std::string("[").append(std::to_string(L)).append("] ");
    m.ageText.append(AgeOfMoonStr(age)).append(" (");
    m.ageText.append(OneDecimal(age * 100 / (next - start))).append("%)");

    if (const auto* outside = std::get_if<OutsideLunation>(&found)) {
        m.error = std::string("Error").append(std::to_string(static_cast<int>(*outside)));
        m.error.append(" when calling GetPhase() in DisplayMoonData().");
        return m;
    }
    const int k = std::get<PhaseInLunation>(found).phase;
    m.phase = k;
    m.waxing = k < 2;
    const double moonLongitude = GetMoonLongitude(at);
    if (moonLongitude == kMoonLongitudeTooEarly || moonLongitude == kMoonLongitudeTooLate) {
        const Moment t0 = phaseUT(L, k);
        const Moment t1 = k == 3 ? Moment(next) : phaseUT(L, k + 1);
        m.illumination = InterpolatedIllumination(k, t0, t1, at);
    } else {
        int32_t status = 0;
        m.illumination = GeometricIllumination(moonLongitude, sun_app(moment, &status));
        m.geometric = true;
    }
    m.phaseText = PhaseOfMoonText(m.illumination, m.waxing);
    m.ok = true;
    return m;
}

} // namespace

MoonData ComputeMoonData(Moment at) { return MoonDataFrom(at, GetPhaseTimeUT); }

MoonData ComputeMoonData(Moment at, MoonPhaseMemo& phases)
{
    // Near a seam of the ephemeris the engine's answers depend on what it was asked before: there
    // the engine is asked exactly as without a memo, so the data are those ComputeMoonData gives.
    if (near_ephemeris_seam(at.ajd(), kSeamMargin)) return ComputeMoonData(at);
    return MoonDataFrom(at, [&phases](int32_t n, int k) { return phases.UT(n, k); });
}

} // namespace orlun
