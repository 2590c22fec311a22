// The compact year records of every solar year seen, per reference longitude.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "calendar/astro/SolarTerms.h"
#include "calendar/chinese/ChineseYearRecord.h"

namespace orlun {

class CalendarCache;

// Records are kept for the solar years around -3000..3000 at up to kMaxLongitudes longitudes
// (the one used longest ago is dropped for a new one), so the store stays below some 40 MB even
// when every day of the range is converted at each longitude.
class ChineseYearStore {
public:
    static constexpr size_t kMaxLongitudes = 4;

    // The record of the solar year of the day at the longitude, built on first use from the
    // year structure; nullptr for a day outside the days that have a structure (the caller then
    // computes without the store).
    const ChineseYearRecord* Find(DayNumber day, Meridian reference, CalendarCache& cache);
    // The mean-sun term days of the solar year of the day; nullptr as above or for a table
    // without a solar year.
    const TermDays* MeanSunTermDays(DayNumber day, Meridian reference);

    // Where solstices and mean-sun tables take their quarter points (set by the cache).
    void UseSky(const SkySource& sky) { sky_ = &sky; }

    void Clear() { longitudes_.clear(); }
    size_t MemoryBytes() const;

private:
    struct Longitude {
        Meridian reference = Meridian::Greenwich();
        uint64_t lastUse = 0;
        std::vector<std::optional<DayNumber>> solsticeDay; // the day of DecemberSolstice(y); none = not yet
        std::vector<std::unique_ptr<ChineseYearRecord>> years;
        std::vector<std::unique_ptr<TermDays>> meanSun;
    };
    Longitude& LongitudeOf(Meridian reference);
    // The solar year of the day (as SolarYearOf gives it), or kNoSolarYear outside the store.
    int32_t SolarYear(Longitude& l, DayNumber day);
    DayNumber SolsticeDay(Longitude& l, int32_t year);

    std::vector<Longitude> longitudes_;
    const SkySource* sky_ = &ComputedSky();
    uint64_t uses_ = 0;
};

} // namespace orlun
