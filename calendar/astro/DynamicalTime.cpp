#include "calendar/astro/DynamicalTime.h"

#include "engine/lunev.h"

namespace orlun {

namespace {

// The engine's delta T (minutes) of the year, in days. A term table crosses 104 times with the
// delta T of one year, so the last year's value is kept (the engine answers the same every time).
double DeltaTDays(int32_t year)
{
    thread_local int32_t lastYear = 0;
    thread_local double lastDays = 0;
    thread_local bool known = false;
    if (!known || year != lastYear) {
        lastDays = deltat(static_cast<double>(year), 1915) / 1440.0;
        lastYear = year;
        known = true;
    }
    return lastDays;
}

} // namespace

Moment UniversalTimeOf(DynamicalTime td, int32_t deltaTYear) { return Moment(td.jde() - DeltaTDays(deltaTYear)); }

DynamicalTime DynamicalTimeOf(Moment ut, int32_t deltaTYear) { return DynamicalTime(ut.ajd() + DeltaTDays(deltaTYear)); }

} // namespace orlun
