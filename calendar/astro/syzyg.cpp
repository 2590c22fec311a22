#include "calendar/astro/syzyg.h"

#include <cmath>
#include <cstddef>
#include <limits>

#include "calendar/western/DatePr2.h"
#include "engine/lunev.h"

namespace orlun {

namespace {

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
    return FindPhase(lunation, at, exact, GetPhaseTimeUT);
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
