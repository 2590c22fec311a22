#include "calendar/syzyg.h"

#include <cmath>
#include <limits>

#include "calendar/DatePr2.h"
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
    WesternDate rec;
    rec.jdn = static_cast<int32_t>(std::nearbyint(moment));
    rec.calendar = 'G';
    JDNToDate(rec);
    return deltat(static_cast<double>(rec.year), 1915);
}

double GetPhaseTimeTD(int32_t lunation, int phase)
{
    int32_t status = 0;
    return syzyg(lunation, phase, &status);
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
    exact = false;
    const double m = moment + GetDeltaT(moment) / 1440.0;
    if (lunation == kMaxLunationNumber || GetPhaseTimeTD(lunation + 1, 0) <= m) return -1;
    for (int k = 3; k >= 0; --k) {
        const double t = GetPhaseTimeTD(lunation, k);
        if (t <= m) {
            exact = std::fabs(t - m) < 0.00005;
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
