// The last few true-sun solar-term tables, remembered.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "calendar/astro/SolarTerms.h"

namespace orlun {

// A true-sun table takes 13 crossing searches of the engine. It depends only on the solar year
// and the longitude (its delta T is that of the solar year), so a remembered table is the one a
// new build would give. Direct-mapped by solar year: 64 tables at most.
class TermTableMemo {
public:
    // The true-sun table of the solar year of the CJDC moment, built from the sky source.
    SolarTermTable TrueSun(LocalTime cjdc, const SkySource& sky);
    void Clear();

private:
    struct Entry {
        int32_t solarYear = kNoSolarYear; // kNoSolarYear = empty
        Meridian reference = Meridian::Greenwich();
        SolarTermTable table;
    };
    static constexpr size_t kSize = 64;
    std::array<Entry, kSize> entries_{};
};

} // namespace orlun
