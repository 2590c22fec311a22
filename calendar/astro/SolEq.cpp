#include "calendar/astro/SolEq.h"

#include <array>
#include <cmath>

#include "calendar/western/DatePr2.h"
#include "calendar/core/TimeScales.h"

namespace orlun {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kTwoPi = 6.283185307179586476925;
constexpr double kRadiansPerDegree = kTwoPi / 360.0;

using Polynomial = std::array<double, 5>; // coefficients of Y^0 .. Y^4

// Rows: March equinox, June solstice, September equinox, December solstice.
constexpr std::array<Polynomial, 4> kTableA = {{
    {1721139.29189, 365242.13740, 0.06134, 0.00111, -0.00071},
    {1721233.25401, 365241.72562, -0.05323, 0.00907, 0.00025},
    {1721325.70455, 365242.49558, -0.11677, -0.00297, 0.00074},
    {1721414.39987, 365242.88257, -0.00769, -0.00933, -0.00006},
}};

constexpr std::array<Polynomial, 4> kTableB = {{
    {2451623.80984, 365242.37404, 0.05169, -0.00411, -0.00057},
    {2451716.56767, 365241.62603, 0.00325, 0.00888, -0.00030},
    {2451810.21715, 365242.01767, -0.11575, 0.00337, 0.00078},
    {2451900.05952, 365242.74049, -0.06223, -0.00823, 0.00032},
}};

struct PeriodicTerm {
    double a;
    double b; // radians
    double c; // radians per Julian century
};

constexpr PeriodicTerm Term(double a, double bDegrees, double cDegrees)
{
    return {a, bDegrees * kRadiansPerDegree, cDegrees * kRadiansPerDegree};
}

// Table 27.C: A, B and C in degrees, converted to radians once, at compile time.
constexpr std::array<PeriodicTerm, 24> kPeriodicTerms = {{
    Term(485, 324.96, 1934.136),   Term(203, 337.23, 32964.467), Term(199, 342.08, 20.186),
    Term(182, 27.85, 445267.112),  Term(156, 73.14, 45036.886),  Term(136, 171.52, 22518.443),
    Term(77, 222.54, 65928.934),   Term(74, 296.72, 3034.906),   Term(70, 243.58, 9037.513),
    Term(58, 119.81, 33718.147),   Term(52, 297.17, 150.678),    Term(50, 21.02, 2281.226),
    Term(45, 247.54, 29929.562),   Term(44, 325.15, 31555.956),  Term(29, 60.93, 4443.417),
    Term(18, 155.12, 67555.328),   Term(17, 288.79, 4562.452),   Term(16, 198.04, 62894.029),
    Term(14, 199.76, 31436.921),   Term(12, 95.39, 14577.848),   Term(12, 287.11, 31931.756),
    Term(12, 320.81, 34777.259),   Term(9, 227.73, 1222.114),    Term(8, 15.45, 16859.074),
}};

bool IsQuarter(Quarter quarter) { return static_cast<int>(quarter) >= 0 && static_cast<int>(quarter) <= 3; }

double Evaluate(const Polynomial& p, double y)
{
    return p[0] + y * (p[1] + y * (p[2] + y * (p[3] + y * p[4])));
}

LocalTime QuarterCJDC(Quarter quarter, int32_t year, Meridian reference)
{
    return AJDToCJDC(SolsticeOrEquinoxUT(quarter, year), reference);
}

} // namespace

namespace soleq_detail {

double MeanInstantTableA(Quarter quarter, double y)
{
    return IsQuarter(quarter) ? Evaluate(kTableA[static_cast<size_t>(quarter)], y) : kNaN;
}

double MeanInstantTableB(Quarter quarter, double y)
{
    return IsQuarter(quarter) ? Evaluate(kTableB[static_cast<size_t>(quarter)], y) : kNaN;
}

double MeanInstant(Quarter quarter, int32_t year)
{
    if (year < 1000)
        return MeanInstantTableA(quarter, year / 1000.0);
    return MeanInstantTableB(quarter, (year - 2000) / 1000.0);
}

} // namespace soleq_detail

DynamicalTime SolsticeOrEquinoxTD(Quarter quarter, int32_t year)
{
    if (!IsQuarter(quarter))
        return DynamicalTime(kNaN);
    const double jde0 = soleq_detail::MeanInstant(quarter, year);
    const double t = (jde0 - 2451545.0) / 36525.0;
    const double w = (35999.373 * t - 2.47) * kRadiansPerDegree;
    const double deltaLambda = 1.0 + 0.0334 * std::cos(w) + 0.0007 * std::cos(2.0 * w);
    double s = 0.0;
    for (const PeriodicTerm& term : kPeriodicTerms)
        s += term.a * std::cos(term.b + term.c * t);
    return DynamicalTime(jde0 + 0.00001 * s / deltaLambda);
}

Moment SolsticeOrEquinoxUT(Quarter quarter, int32_t year)
{
    return UniversalTimeOf(SolsticeOrEquinoxTD(quarter, year), year);
}

LocalTime MarchEquinox(int32_t year, Meridian reference)
{
    return QuarterCJDC(Quarter::MarchEquinox, year, reference);
}

LocalTime JuneSolstice(int32_t year, Meridian reference)
{
    return QuarterCJDC(Quarter::JuneSolstice, year, reference);
}

LocalTime SeptemberEquinox(int32_t year, Meridian reference)
{
    return QuarterCJDC(Quarter::SeptemberEquinox, year, reference);
}

LocalTime DecemberSolstice(int32_t year, Meridian reference)
{
    return QuarterCJDC(Quarter::DecemberSolstice, year, reference);
}

int32_t SolarYearOf(LocalTime cjdc)
{
    const Meridian reference = cjdc.meridian();
    return SolarYearWith(cjdc, [reference](int32_t year) { return DecemberSolstice(year, reference); });
}

double Interpolate(double first, double second, int step, int steps)
{
    if (steps == 0)
        return kNaN;
    return first + (second - first) * step / steps;
}

} // namespace orlun
