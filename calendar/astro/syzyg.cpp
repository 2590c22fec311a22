#include "calendar/astro/syzyg.h"

#include <cmath>
#include <cstddef>
#include <limits>

#include "calendar/western/DatePr2.h"
#include "engine/lunev.h"

namespace orlun {

namespace {
constexpr int32_t kMaxLunationNumber = std::numeric_limits<int32_t>::max();


// Delta T of the Gregorian year of the day nearest to an instant in either time scale.
double DeltaTOfInstant(double moment)
{
    if (!std::isfinite(moment) || std::fabs(moment) > 2.0e9) return std::nan("");
    // The civil day nearest to the moment; nearbyint rounds a half-way value to the even number.
    const int32_t year = GregorianDate(DayNumber(static_cast<int32_t>(std::nearbyint(moment)))).year;
    return deltat(static_cast<double>(year), 1915);
}

} // namespace

double GetDeltaT(Moment moment) { return DeltaTOfInstant(moment.ajd()); }

double GetPhaseTimeTD(int32_t lunation, int phase)
{
    int32_t status = 0;
    return syzyg(lunation, phase, &status);
}

Moment GetPhaseTimeUT(int32_t lunation, int phase)
{
    const double td = GetPhaseTimeTD(lunation, phase);
    return Moment(td - DeltaTOfInstant(td) / 1440.0);
}

Moment Lunation0Start()
{
    static const Moment start = GetPhaseTimeUT(0, 0);
    return start;
}

std::optional<int32_t> GetLunation(Moment moment)
{
    return FindLunation(moment, [](int32_t n) { return GetPhaseTimeUT(n, 0); });
}

int GetPhase(int32_t lunation, Moment at, bool& exact)
{
    // The phases are compared in universal time, as GetLunation compares them. Moving the moment
    // to dynamical time with its own year's delta T instead would disagree with GetLunation by
    // the change of delta T between two years (tens of seconds a year in antiquity), and a moment
    // just after a dark moon near New Year would then seem to lie before its own lunation.
    const double moment = at.ajd();
    exact = false;
    if (lunation == kMaxLunationNumber || GetPhaseTimeUT(lunation + 1, 0).ajd() <= moment) return -1;
    for (int k = 3; k >= 0; --k) {
        const double t = GetPhaseTimeUT(lunation, k).ajd();
        if (t <= moment) {
            // Within 0.00005 day; the margin keeps a moment 0.00005 day after the phase, whose
            // difference rounds a hair below it, from counting as exact.
            exact = moment - t < kExactPhaseWithin - 1e-9;
            return k;
        }
    }
    return -2;
}

double GetMoonLongitude(Moment at)
{
    const double moment = at.ajd();
    const double d = std::floor(moment + 0.5);
    if (!(d >= 2305448)) return kMoonLongitudeTooEarly; // NaN lands here too
    if (d > 2488069) return kMoonLongitudeTooLate;
    return moonpos(moment - 2451545.0);
}

} // namespace orlun
