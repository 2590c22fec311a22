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
constexpr int kTermsPerQuarter = 6;

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

void FillMeanSun(SolarTermTable& table, Meridian reference)
{
    const int32_t b = table.solarYear;
    std::array<double, 5> solstice;
    for (int k = 0; k < 5; ++k)
        solstice[static_cast<size_t>(k)] = DecemberSolstice(b - 2 + k, reference).cjd();
    for (int i = 0; i < kTermTableSize; ++i) {
        const int f = i / kTermsPerYear;
        table.TermMoment[static_cast<size_t>(i)] =
            Interpolate(solstice[static_cast<size_t>(f)], solstice[static_cast<size_t>(f + 1)],
                        i % kTermsPerYear, kTermsPerYear);
    }
    table.QuarterMoment.fill(kNaN);
}

void FillTrueSun(SolarTermTable& table, Meridian reference)
{
    const int refLongitude = reference.degreesEast();
    const int32_t b = table.solarYear;
    auto& q = table.QuarterMoment;
    q[0] = DecemberSolstice(b - 2, reference).cjd();
    for (int k = 0; k < 3; ++k) {
        const int32_t year = b - 1 + k;
        q[static_cast<size_t>(1 + 4 * k)] = MarchEquinox(year, reference).cjd();
        q[static_cast<size_t>(2 + 4 * k)] = JuneSolstice(year, reference).cjd();
        q[static_cast<size_t>(3 + 4 * k)] = SeptemberEquinox(year, reference).cjd();
        q[static_cast<size_t>(4 + 4 * k)] = DecemberSolstice(year, reference).cjd();
    }
    q[13] = MarchEquinox(b + 2, reference).cjd();

    // The engine works in TD; one delta T serves the whole table, so that the quarter points
    // computed here reappear unchanged as the first term of each quarter.
    const double d = deltat(static_cast<double>(b), 1915) / 60.0 / 24.0;
    for (int m = 0; m + 1 < kQuarterTableSize; ++m) {
        const double t1 = CJDCToAJD(q[static_cast<size_t>(m)], refLongitude) + d;
        const double t2 = CJDCToAJD(q[static_cast<size_t>(m + 1)], refLongitude) + d;
        double six[kTermsPerQuarter] = {kNaN, kNaN, kNaN, kNaN, kNaN, kNaN};
        solar_terms_true_sun(t1, t2, six);
        for (int j = 0; j < kTermsPerQuarter; ++j)
            table.TermMoment[static_cast<size_t>(kTermsPerQuarter * m + j)] =
                AJDToCJDC(six[j] - d, refLongitude);
    }
    table.TermMoment[kTermTableSize - 1] = q[kQuarterTableSize - 1];
}

} // namespace

SolarTermTable BuildSolarTerms(LocalTime cjdc, TermMethod method)
{
    SolarTermTable table;
    table.solarYear = SolarYearOf(cjdc);
    if (table.solarYear == kNoSolarYear) {
        table.TermMoment.fill(kNaN);
        table.QuarterMoment.fill(kNaN);
        table.TermDay.fill(std::numeric_limits<int32_t>::min());
        return table;
    }
    if (method == TermMethod::MeanSun)
        FillMeanSun(table, cjdc.meridian());
    else
        FillTrueSun(table, cjdc.meridian());
    for (int i = 0; i < kTermTableSize; ++i)
        table.TermDay[static_cast<size_t>(i)] = DayOf(table.TermMoment[static_cast<size_t>(i)]);
    return table;
}

bool IsValid(const SolarTermTable& table) { return table.solarYear != kNoSolarYear; }

} // namespace orlun
