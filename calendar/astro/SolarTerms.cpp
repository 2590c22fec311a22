#include "calendar/astro/SolarTerms.h"

#include <cmath>
#include <limits>

#include "calendar/astro/SolEq.h"
#include "calendar/core/TimeScales.h"
#include "engine/lunev.h"
#include "engine/solev.h"

namespace orlun {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kTermsPerQuarter = kCrossingsPerSearch;

// Floor as a day number, held within 32 bits; NaN gives the smallest value.
int32_t DayOf(double moment)
{
    const double day = std::floor(moment);
    if (!(day >= std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    if (day > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(day);
}

// The CJDC instant of a quarter point, as MarchEquinox .. DecemberSolstice give it.
double QuarterAt(const SkySource& sky, Quarter quarter, int32_t year, int refLongitude)
{
    return AJDToCJDC(sky.QuarterUT(quarter, year), refLongitude);
}

void FillMeanSun(SolarTermTable& table, int refLongitude, const SkySource& sky)
{
    const int32_t b = table.solarYear;
    std::array<double, 5> solstice;
    for (int k = 0; k < 5; ++k)
        solstice[static_cast<size_t>(k)] = QuarterAt(sky, Quarter::DecemberSolstice, b - 2 + k, refLongitude);
    for (int i = 0; i < kTermTableSize; ++i) {
        const int f = i / kTermsPerYear;
        table.TermMoment[static_cast<size_t>(i)] =
            Interpolate(solstice[static_cast<size_t>(f)], solstice[static_cast<size_t>(f + 1)],
                        i % kTermsPerYear, kTermsPerYear);
    }
    table.QuarterMoment.fill(kNaN);
}

void FillTrueSun(SolarTermTable& table, int refLongitude, const SkySource& sky)
{
    const int32_t b = table.solarYear;
    auto& q = table.QuarterMoment;
    q[0] = QuarterAt(sky, Quarter::DecemberSolstice, b - 2, refLongitude);
    for (int k = 0; k < 3; ++k) {
        const int32_t year = b - 1 + k;
        q[static_cast<size_t>(1 + 4 * k)] = QuarterAt(sky, Quarter::MarchEquinox, year, refLongitude);
        q[static_cast<size_t>(2 + 4 * k)] = QuarterAt(sky, Quarter::JuneSolstice, year, refLongitude);
        q[static_cast<size_t>(3 + 4 * k)] = QuarterAt(sky, Quarter::SeptemberEquinox, year, refLongitude);
        q[static_cast<size_t>(4 + 4 * k)] = QuarterAt(sky, Quarter::DecemberSolstice, year, refLongitude);
    }
    q[13] = QuarterAt(sky, Quarter::MarchEquinox, b + 2, refLongitude);

    // The engine works in TD; one delta T serves the whole table, so that the quarter points
    // computed here reappear unchanged as the first term of each quarter.
    const double d = deltat(static_cast<double>(b), 1915) / 60.0 / 24.0;
    for (int m = 0; m + 1 < kQuarterTableSize; ++m) {
        const double t1 = CJDCToAJD(q[static_cast<size_t>(m)], refLongitude) + d;
        const double t2 = CJDCToAJD(q[static_cast<size_t>(m + 1)], refLongitude) + d;
        double six[kTermsPerQuarter] = {kNaN, kNaN, kNaN, kNaN, kNaN, kNaN};
        sky.Crossings(b, m, t1, t2, six);
        for (int j = 0; j < kTermsPerQuarter; ++j)
            table.TermMoment[static_cast<size_t>(kTermsPerQuarter * m + j)] =
                AJDToCJDC(six[j] - d, refLongitude);
    }
    table.TermMoment[kTermTableSize - 1] = q[kQuarterTableSize - 1];
}

} // namespace

double SkySource::QuarterUT(Quarter quarter, int32_t year) const { return SolsticeOrEquinoxUT(quarter, year).ajd(); }

void SkySource::Crossings(int32_t /*solarYear*/, int /*search*/, double t1, double t2, double* six) const
{
    solar_terms_true_sun(t1, t2, six);
}

const SkySource& ComputedSky()
{
    static const SkySource computed;
    return computed;
}

int32_t SolarYearOf(LocalTime cjdc, const SkySource& sky)
{
    const int refLongitude = cjdc.meridian().degreesEast();
    return SolarYearWith(cjdc.cjd(),
                         [&](int32_t year) { return QuarterAt(sky, Quarter::DecemberSolstice, year, refLongitude); });
}

SolarTermTable BuildSolarTerms(LocalTime cjdc, TermMethod method) { return BuildSolarTerms(cjdc, method, ComputedSky()); }

SolarTermTable BuildSolarTerms(LocalTime cjdc, TermMethod method, const SkySource& sky)
{
    const int refLongitude = cjdc.meridian().degreesEast();
    SolarTermTable table;
    table.solarYear = SolarYearOf(cjdc, sky);
    if (table.solarYear == kNoSolarYear) {
        table.TermMoment.fill(kNaN);
        table.QuarterMoment.fill(kNaN);
        table.TermDay.fill(std::numeric_limits<int32_t>::min());
        return table;
    }
    if (method == TermMethod::MeanSun)
        FillMeanSun(table, refLongitude, sky);
    else
        FillTrueSun(table, refLongitude, sky);
    for (int i = 0; i < kTermTableSize; ++i)
        table.TermDay[static_cast<size_t>(i)] = DayOf(table.TermMoment[static_cast<size_t>(i)]);
    return table;
}

bool IsValid(const SolarTermTable& table) { return table.solarYear != kNoSolarYear; }

} // namespace orlun
