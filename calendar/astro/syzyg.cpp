#include "calendar/astro/syzyg.h"

#include <cmath>
#include <cstddef>
#include <limits>

#include "calendar/western/DatePr2.h"
#include "engine/lunev.h"

namespace orlun {

namespace {

// The Gregorian year of the day nearest to an instant in either time scale, whose delta T the
// instant takes; none for an instant far beyond any day number.
std::optional<int32_t> DeltaTYearOf(double instant)
{
    if (!std::isfinite(instant) || std::fabs(instant) > 2.0e9) return std::nullopt;
    // The civil day nearest to the instant; nearbyint rounds a half-way value to the even number.
    return GregorianDate(DayNumber(static_cast<int32_t>(std::nearbyint(instant)))).year;
}

} // namespace

double GetDeltaT(Moment moment)
{
    const std::optional<int32_t> year = DeltaTYearOf(moment.ajd());
    return year ? deltat(static_cast<double>(*year), 1915) : std::nan("");
}

DynamicalTime GetPhaseTimeTD(int32_t lunation, int phase)
{
    int32_t status = 0;
    return DynamicalTime(syzyg(lunation, phase, &status));
}

Moment GetPhaseTimeUT(int32_t lunation, int phase)
{
    const DynamicalTime td = GetPhaseTimeTD(lunation, phase);
    const std::optional<int32_t> year = DeltaTYearOf(td.jde());
    return year ? UniversalTimeOf(td, *year) : Moment(std::nan(""));
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

PhaseLookup GetPhase(int32_t lunation, Moment at) { return FindPhase(lunation, at, GetPhaseTimeUT); }

double GetMoonLongitude(Moment at)
{
    const double moment = at.ajd();
    const double d = std::floor(moment + 0.5);
    if (!(d >= 2305448)) return kMoonLongitudeTooEarly; // NaN lands here too
    if (d > 2488069) return kMoonLongitudeTooLate;
    return moonpos(moment - 2451545.0);
}

} // namespace orlun
