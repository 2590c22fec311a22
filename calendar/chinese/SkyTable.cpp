#include "calendar/chinese/SkyTable.h"

#include <bit>

namespace orlun {

Moment SkyTable::QuarterUT(Quarter quarter, int32_t year) const
{
    if (const std::optional<double> ut = view_.QuarterUT(quarter, year))
        return Moment(*ut);
    return SkySource::QuarterUT(quarter, year);
}

void SkyTable::Crossings(int32_t solarYear, int search, DynamicalTime t1, DynamicalTime t2, TermCrossings& six) const
{
    const std::optional<skytable::Search> kept = view_.SearchOf(solarYear, search);
    // The crossings are found from the Sun's longitude at t1, so only the very same start gives
    // the very same instants.
    if (!kept || std::bit_cast<uint64_t>((*kept)[0]) != std::bit_cast<uint64_t>(t1.jde())) {
        SkySource::Crossings(solarYear, search, t1, t2, six);
        return;
    }
    for (int j = 0; j < kCrossingsPerSearch; ++j)
        six[static_cast<size_t>(j)] = DynamicalTime((*kept)[static_cast<size_t>(j)]);
}

const SkyTable& TheSkyTable()
{
    static const SkyTable table(SkyTableBytes());
    return table;
}

} // namespace orlun
