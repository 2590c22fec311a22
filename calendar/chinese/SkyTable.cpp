#include "calendar/chinese/SkyTable.h"

#include <bit>

namespace orlun {

double SkyTable::QuarterUT(Quarter quarter, int32_t year) const
{
    if (const std::optional<double> ut = view_.QuarterUT(quarter, year))
        return *ut;
    return SkySource::QuarterUT(quarter, year);
}

void SkyTable::Crossings(int32_t solarYear, int search, double t1, double t2, double* six) const
{
    const std::optional<skytable::Search> kept = view_.SearchOf(solarYear, search);
    // The crossings are found from the Sun's longitude at t1, so only the very same start gives
    // the very same instants.
    if (!kept || std::bit_cast<uint64_t>((*kept)[0]) != std::bit_cast<uint64_t>(t1)) {
        SkySource::Crossings(solarYear, search, t1, t2, six);
        return;
    }
    for (int j = 0; j < kCrossingsPerSearch; ++j)
        six[j] = (*kept)[static_cast<size_t>(j)];
}

const SkyTable& TheSkyTable()
{
    static const SkyTable table(SkyTableBytes());
    return table;
}

} // namespace orlun
