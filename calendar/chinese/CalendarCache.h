// Everything the Chinese conversions remember between calls, in one object: the dark-moon
// instants, the last true-sun term tables and the compact records of the years seen. Dark moons,
// quarter points and term crossings come first from the sky table compiled into the program
// (SkyTable.h), so the first conversion of a year in a process is nearly as fast as a repeated one.
//
// Each piece depends only on the lunation, or on the solar year, the longitude and the method, so
// a conversion answers exactly as it would without the cache; only the time changes. Bounded (a
// few tens of megabytes when every day of -3000..3000 has been converted at several longitudes)
// and clearable.
#pragma once

#include <cstddef>
#include <cstdint>

#include "calendar/astro/DarkMoonMemo.h"
#include "calendar/astro/SolarTerms.h"
#include "calendar/chinese/ChineseYearStore.h"
#include "calendar/chinese/SkyTable.h"
#include "calendar/chinese/TermTableMemo.h"

namespace orlun {

class CalendarCache {
public:
    CalendarCache() { years_.UseSky(Sky()); }

    // With the cache off every conversion builds its structure afresh from the engine.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on) { enabled_ = on; }
    // Whether the sky table answers before the engine (on by default). Off, the cache computes
    // each dark moon and term table once, as it did before there was a table; the results are
    // the same either way.
    bool SkyTableUsed() const { return skyTableUsed_; }
    void SetSkyTableUsed(bool on);
    // Where the term tables take their quarter points and crossings from.
    const SkySource& Sky() const;

    // GetPhaseTimeUT(lunation, 0).
    Moment DarkMoonUT(int32_t lunation);
    // The true-sun solar-term table of the solar year of the CJDC moment.
    SolarTermTable TrueSunTerms(LocalTime cjdc);
    ChineseYearStore& Years() { return years_; }

    void Clear();
    size_t MemoryBytes() const;

private:
    bool enabled_ = true;
    bool skyTableUsed_ = true;
    DarkMoonMemo darkMoons_;
    TermTableMemo termTables_;
    ChineseYearStore years_;
};

// The cache of the calling thread (the program computes on its window thread).
CalendarCache& TheCalendarCache();

} // namespace orlun
