// Equinoxes and solstices by the method of Meeus, Astronomical Algorithms (2nd ed.), chapter 27:
// a mean instant from a polynomial in the year and a correction from 24 periodic terms. Good to
// about a minute for the years 1000..3000; other years are extrapolated without any check.
// Also the solar year of a moment: the year that ends with the December solstice of its number.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "calendar/astro/DynamicalTime.h"
#include "calendar/core/Meridian.h"
#include "calendar/western/DatePr2.h"

namespace orlun {

// The quarter points of a year, by their codes in the tables.
enum class Quarter : int { MarchEquinox = 0, JuneSolstice = 1, SeptemberEquinox = 2, DecemberSolstice = 3 };

// TD instant (Julian Ephemeris Day) of the quarter point of the Common Era year. A quarter code
// outside the four has no quarter point: the result is NaN.
DynamicalTime SolsticeOrEquinoxTD(Quarter quarter, int32_t year);
// The same instant in UT: less the engine's delta T of the year.
Moment SolsticeOrEquinoxUT(Quarter quarter, int32_t year);

// The quarter points of a year in local time at the reference meridian (CJDC).
LocalTime MarchEquinox(int32_t year, Meridian reference);
LocalTime JuneSolstice(int32_t year, Meridian reference);
LocalTime SeptemberEquinox(int32_t year, Meridian reference);
LocalTime DecemberSolstice(int32_t year, Meridian reference);

// Returned by SolarYearOf for a moment that has no 32-bit day number (NaN, infinite, too large).
inline constexpr int32_t kNoSolarYear = std::numeric_limits<int32_t>::min();

// The solar year of a local time (CJDC): its Gregorian year y when its day is before the day of
// the December solstice of y on the same meridian, else y + 1. The solstice's own day already
// belongs to y + 1.
int32_t SolarYearOf(LocalTime cjdc);

// SolarYearOf with the local time of the December solstice of a year (on the meridian of cjdc)
// taken from decemberSolstice(year), for callers that hold those instants already.
template <class DecemberSolsticeOf>
int32_t SolarYearWith(LocalTime cjdc, DecemberSolsticeOf&& decemberSolstice)
{
    const double day = std::floor(cjdc.cjd());
    // Also false for NaN.
    if (!(day >= std::numeric_limits<int32_t>::min() && day <= std::numeric_limits<int32_t>::max()))
        return kNoSolarYear;
    const int32_t y = GregorianDate(DayNumber(static_cast<int32_t>(day))).year;
    return day < std::floor(decemberSolstice(y).cjd()) ? y : y + 1;
}

// first + (second - first) * step / steps; NaN when steps is 0.
double Interpolate(double first, double second, int step, int steps);

// The mean instants JDE0 of the two polynomial tables, exposed for checking the coefficients.
namespace soleq_detail {
// Table 27.A (years -1000..1000), Y = year / 1000.
double MeanInstantTableA(Quarter quarter, double y);
// Table 27.B (years 1000..3000), Y = (year - 2000) / 1000.
double MeanInstantTableB(Quarter quarter, double y);
// The mean instant of a year: table A before the year 1000, table B from 1000 on.
double MeanInstant(Quarter quarter, int32_t year);
} // namespace soleq_detail

} // namespace orlun
