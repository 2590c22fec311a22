#include "SkyComputation.h"

#include <bit>
#include <cmath>

#include "calendar/astro/SolEq.h"
#include "calendar/astro/SolarTerms.h"
#include "calendar/astro/syzyg.h"
#include "calendar/core/TimeScales.h"
#include "calendar/western/DatePr2.h"
#include "engine/solev.h"

namespace orlun::skygen {

namespace {

// Computes like ComputedSky() and keeps what the engine answered to each search of one table.
class RecordingSky final : public SkySource {
public:
    explicit RecordingSky(skytable::YearValues& year) : year_(year) {}

    void Crossings(int32_t /*solarYear*/, int search, DynamicalTime start, DynamicalTime end,
                   TermCrossings& crossings) const override
    {
        const double t1 = start.jde();
        double six[kCrossingsPerSearch];
        const int rc = solar_terms_true_sun(t1, end.jde(), six);
        for (int j = 0; j < kCrossingsPerSearch; ++j) crossings[static_cast<size_t>(j)] = DynamicalTime(six[j]);
        // The table gives six[0] as the start it is looked up by, so it must be t1 to the bit.
        if (rc != 0 || search < 0 || search >= kTrueSunSearches ||
            std::bit_cast<uint64_t>(six[0]) != std::bit_cast<uint64_t>(t1)) {
            ok_ = false;
            return;
        }
        for (int j = 0; j < kCrossingsPerSearch; ++j)
            year_.search[static_cast<size_t>(search)][static_cast<size_t>(j)] = six[j];
        ++searches_;
    }
    bool Complete() const { return ok_ && searches_ == kTrueSunSearches; }

private:
    skytable::YearValues& year_;
    mutable bool ok_ = true;
    mutable int searches_ = 0;
};

// The longitude only moves the table's instants; the searches are made in TD from the same UT
// quarter points at every longitude.
constexpr int kAnyLongitude = 120;

skytable::YearValues YearOf(int32_t year)
{
    skytable::YearValues v;
    for (int q = 0; q < skytable::kQuartersPerYear; ++q)
        v.quarterUT[static_cast<size_t>(q)] = SolsticeOrEquinoxUT(static_cast<Quarter>(q), year).ajd();
    RecordingSky recorder(v);
    // July 1 lies in the solar year of the same number.
    const SolarTermTable t =
        BuildSolarTerms(Meridian(kAnyLongitude).NoonOf(GregorianJDN(year, 7, 1)), TermMethod::TrueSun, recorder);
    v.present = recorder.Complete() && t.solarYear == year;
    return v;
}

} // namespace

skytable::Contents ComputeSky()
{
    skytable::Contents c;
    for (int32_t n = skytable::kFirstLunation; n <= skytable::kLastLunation; ++n) {
        const double ut = GetPhaseTimeUT(n, 0).ajd();
        c.darkMoonUT.push_back(std::isfinite(ut) ? std::optional<double>(ut) : std::nullopt);
    }
    for (int32_t y = skytable::kFirstYear; y <= skytable::kLastYear; ++y)
        c.years.push_back(YearOf(y));
    return c;
}

} // namespace orlun::skygen
