// The sky table compiled into the program: the dark moons, quarter points and true-sun crossings of
// the whole supported range, computed at build time by tools/skygen with the program's own code
// (see calendar/astro/SkyTableFormat.h). It answers exactly what the computation would; anything
// it does not hold (moments outside the range, a missing or unreadable table) is computed.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "calendar/astro/SkyTableFormat.h"
#include "calendar/astro/SolarTerms.h"

namespace orlun {

// The bytes of the table; defined by the source that tools/skygen writes (library orlun_skydata).
std::string_view SkyTableBytes();

class SkyTable final : public SkySource {
public:
    explicit SkyTable(std::string_view bytes) : view_(bytes) {}

    bool Empty() const { return view_.Empty(); }
    // GetPhaseTimeUT(lunation, 0) when the table holds it.
    std::optional<Moment> DarkMoonUT(int32_t lunation) const
    {
        const std::optional<double> ut = view_.DarkMoonUT(lunation);
        return ut ? std::optional<Moment>(Moment(*ut)) : std::nullopt;
    }

    Moment QuarterUT(Quarter quarter, int32_t year) const override;
    // The kept crossings when the search starts at the same t1 to the last bit, else the engine's.
    void Crossings(int32_t solarYear, int search, DynamicalTime t1, DynamicalTime t2, TermCrossings& six) const override;

private:
    skytable::View view_;
};

// The table compiled into the program.
const SkyTable& TheSkyTable();

} // namespace orlun
