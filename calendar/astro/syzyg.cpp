#include "calendar/astro/syzyg.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

#include "calendar/western/DatePr2.h"
#include "engine/lunev.h"

namespace orlun {

namespace {
constexpr int32_t kMinLunationNumber = std::numeric_limits<int32_t>::min();
constexpr int32_t kMaxLunationNumber = std::numeric_limits<int32_t>::max();
// The first guess is at most a lunation or two off; the cap only guarantees an end when the
// engine cannot give instants (far outside its ephemeris).
constexpr int kMaxLunationSteps = 64;
} // namespace

double GetDeltaT(double moment)
{
    if (!std::isfinite(moment) || std::fabs(moment) > 2.0e9) return std::nan("");
    // The civil day nearest to the moment; nearbyint rounds a half-way value to the even number.
    const int32_t year = GregorianDate(static_cast<int32_t>(std::nearbyint(moment))).year;
    return deltat(static_cast<double>(year), 1915);
}

namespace {

// A small memo of the engine's phase instants. Every Chinese date conversion rebuilds its year
// structure from some fifty dark moons, and neighbouring conversions (searches, lists, moves)
// ask for nearly the same ones; the engine is deterministic, so a remembered instant is the one
// it would compute again. Direct-mapped by lunation and phase; one table per thread.
constexpr size_t kPhaseMemoSize = 4096;
struct PhaseMemoEntry {
    int64_t key = std::numeric_limits<int64_t>::min(); // lunation * 4 + phase; min = empty
    double td = 0.0;
};
thread_local std::array<PhaseMemoEntry, kPhaseMemoSize> phaseMemo;

} // namespace

double GetPhaseTimeTD(int32_t lunation, int phase)
{
    const bool memoised = phase >= 0 && phase <= 3;
    const int64_t key = int64_t{lunation} * 4 + phase;
    PhaseMemoEntry& entry = phaseMemo[static_cast<size_t>(key) % kPhaseMemoSize];
    if (memoised && entry.key == key)
        return entry.td;
    int32_t status = 0;
    const double td = syzyg(lunation, phase, &status);
    if (memoised) {
        entry.key = key;
        entry.td = td;
    }
    return td;
}

double GetPhaseTimeUT(int32_t lunation, int phase)
{
    const double td = GetPhaseTimeTD(lunation, phase);
    return td - GetDeltaT(td) / 1440.0;
}

double Lunation0Start()
{
    static const double start = GetPhaseTimeUT(0, 0);
    return start;
}

std::optional<int32_t> GetLunation(double moment)
{
    if (!std::isfinite(moment)) return std::nullopt;
    const double guess = std::floor((moment - Lunation0Start()) / kSynodicMonth);
    if (!(guess >= kMinLunationNumber && guess < kMaxLunationNumber)) return std::nullopt;
    int32_t n = static_cast<int32_t>(guess);
    for (int step = 0; step < kMaxLunationSteps; ++step) {
        const double a = GetPhaseTimeUT(n, 0);
        const double b = GetPhaseTimeUT(n + 1, 0);
        if (!std::isfinite(a) || !std::isfinite(b)) return std::nullopt;
        if (a <= moment && moment < b) return n;
        if (a > moment) {
            if (n == kMinLunationNumber) return std::nullopt;
            --n;
        } else {
            if (n + 1 == kMaxLunationNumber) return std::nullopt;
            ++n;
        }
    }
    return std::nullopt;
}

int GetPhase(int32_t lunation, double moment, bool& exact)
{
    // The phases are compared in universal time, as GetLunation compares them. Moving the moment
    // to dynamical time with its own year's delta T instead would disagree with GetLunation by
    // the change of delta T between two years (tens of seconds a year in antiquity), and a moment
    // just after a dark moon near New Year would then seem to lie before its own lunation.
    exact = false;
    if (lunation == kMaxLunationNumber || GetPhaseTimeUT(lunation + 1, 0) <= moment) return -1;
    for (int k = 3; k >= 0; --k) {
        const double t = GetPhaseTimeUT(lunation, k);
        if (t <= moment) {
            // Within 0.00005 day; the margin keeps a moment 0.00005 day after the phase, whose
            // difference rounds a hair below it, from counting as exact.
            exact = moment - t < kExactPhaseWithin - 1e-9;
            return k;
        }
    }
    return -2;
}

double GetMoonLongitude(double moment)
{
    const double d = std::floor(moment + 0.5);
    if (!(d >= 2305448)) return kMoonLongitudeTooEarly; // NaN lands here too
    if (d > 2488069) return kMoonLongitudeTooLate;
    return moonpos(moment - 2451545.0);
}

} // namespace orlun
