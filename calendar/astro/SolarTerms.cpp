#include "calendar/astro/SolarTerms.h"

#include <cmath>
#include <limits>

#include "calendar/astro/SolEq.h"
#include "calendar/core/TimeScales.h"
#include "engine/solev.h"

namespace orlun {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kTermsPerQuarter = kCrossingsPerSearch;

// The CJDC instant of a quarter point, as MarchEquinox .. DecemberSolstice give it.
LocalTime QuarterAt(const SkySource& sky, Quarter quarter, int32_t year, Meridian reference)
{
    return AJDToCJDC(sky.QuarterUT(quarter, year), reference);
}

void FillMeanSun(SolarTermTable& table, Meridian reference, const SkySource& sky)
{
    const int32_t b = table.solarYear;
    std::array<LocalTime, 5> solstice;
    for (int k = 0; k < 5; ++k)
        solstice[static_cast<size_t>(k)] = QuarterAt(sky, Quarter::DecemberSolstice, b - 2 + k, reference);
    for (int i = 0; i < kTermTableSize; ++i) {
        const int f = i / kTermsPerYear;
        table.TermMoment[static_cast<size_t>(i)] = reference.At(
            Interpolate(solstice[static_cast<size_t>(f)].cjd(), solstice[static_cast<size_t>(f + 1)].cjd(),
                        i % kTermsPerYear, kTermsPerYear));
    }
    table.QuarterMoment.fill(reference.At(kNaN));
}

void FillTrueSun(SolarTermTable& table, Meridian reference, const SkySource& sky)
{
    const int32_t b = table.solarYear;
    auto& q = table.QuarterMoment;
    q[0] = QuarterAt(sky, Quarter::DecemberSolstice, b - 2, reference);
    for (int k = 0; k < 3; ++k) {
        const int32_t year = b - 1 + k;
        q[static_cast<size_t>(1 + 4 * k)] = QuarterAt(sky, Quarter::MarchEquinox, year, reference);
        q[static_cast<size_t>(2 + 4 * k)] = QuarterAt(sky, Quarter::JuneSolstice, year, reference);
        q[static_cast<size_t>(3 + 4 * k)] = QuarterAt(sky, Quarter::SeptemberEquinox, year, reference);
        q[static_cast<size_t>(4 + 4 * k)] = QuarterAt(sky, Quarter::DecemberSolstice, year, reference);
    }
    q[13] = QuarterAt(sky, Quarter::MarchEquinox, b + 2, reference);

    // The engine works in TD; one delta T, that of year b, serves the whole table, so that the
    // quarter points computed here reappear unchanged as the first term of each quarter.
    for (int m = 0; m + 1 < kQuarterTableSize; ++m) {
        const DynamicalTime t1 = DynamicalTimeOf(CJDCToAJD(q[static_cast<size_t>(m)]), b);
        const DynamicalTime t2 = DynamicalTimeOf(CJDCToAJD(q[static_cast<size_t>(m + 1)]), b);
        TermCrossings six;
        six.fill(DynamicalTime(kNaN));
        sky.Crossings(b, m, t1, t2, six);
        for (int j = 0; j < kTermsPerQuarter; ++j)
            table.TermMoment[static_cast<size_t>(kTermsPerQuarter * m + j)] =
                AJDToCJDC(UniversalTimeOf(six[static_cast<size_t>(j)], b), reference);
    }
    table.TermMoment[kTermTableSize - 1] = q[kQuarterTableSize - 1];
}

} // namespace

Moment SkySource::QuarterUT(Quarter quarter, int32_t year) const { return SolsticeOrEquinoxUT(quarter, year); }

void SkySource::Crossings(int32_t /*solarYear*/, int /*search*/, DynamicalTime t1, DynamicalTime t2,
                          TermCrossings& six) const
{
    double instants[kCrossingsPerSearch];
    for (int j = 0; j < kCrossingsPerSearch; ++j) instants[j] = six[static_cast<size_t>(j)].jde();
    solar_terms_true_sun(t1.jde(), t2.jde(), instants);
    for (int j = 0; j < kCrossingsPerSearch; ++j) six[static_cast<size_t>(j)] = DynamicalTime(instants[j]);
}

const SkySource& ComputedSky()
{
    static const SkySource computed;
    return computed;
}

int32_t SolarYearOf(LocalTime cjdc, const SkySource& sky)
{
    const Meridian reference = cjdc.meridian();
    return SolarYearWith(cjdc, [&](int32_t year) { return QuarterAt(sky, Quarter::DecemberSolstice, year, reference); });
}

SolarTermTable BuildSolarTerms(LocalTime cjdc, TermMethod method) { return BuildSolarTerms(cjdc, method, ComputedSky()); }

SolarTermTable BuildSolarTerms(LocalTime cjdc, TermMethod method, const SkySource& sky)
{
    const Meridian reference = cjdc.meridian();
    SolarTermTable table;
    table.solarYear = SolarYearOf(cjdc, sky);
    if (table.solarYear == kNoSolarYear) {
        table.TermMoment.fill(reference.At(kNaN));
        table.QuarterMoment.fill(reference.At(kNaN));
        table.TermDay.fill(DayNumber(std::numeric_limits<int32_t>::min()));
        return table;
    }
    if (method == TermMethod::MeanSun)
        FillMeanSun(table, reference, sky);
    else
        FillTrueSun(table, reference, sky);
    for (int i = 0; i < kTermTableSize; ++i)
        table.TermDay[static_cast<size_t>(i)] = table.TermMoment[static_cast<size_t>(i)].day();
    return table;
}

bool IsValid(const SolarTermTable& table) { return table.solarYear != kNoSolarYear; }

} // namespace orlun
