#include "calendar/astro/DynamicalTime.h"

#include "engine/lunev.h"

namespace orlun {

namespace {

// The engine's delta T (minutes) of the year, in days.
double DeltaTDays(int32_t year) { return deltat(static_cast<double>(year), 1915) / 1440.0; }

} // namespace

Moment UniversalTimeOf(DynamicalTime td, int32_t deltaTYear) { return Moment(td.jde() - DeltaTDays(deltaTYear)); }

DynamicalTime DynamicalTimeOf(Moment ut, int32_t deltaTYear) { return DynamicalTime(ut.ajd() + DeltaTDays(deltaTYear)); }

} // namespace orlun
