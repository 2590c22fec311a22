#include "calendar/chinese/CalendarCache.h"

#include <memory>
#include <optional>

#include "calendar/astro/syzyg.h"

namespace orlun {

void CalendarCache::SetSkyTableUsed(bool on)
{
    skyTableUsed_ = on;
    years_.UseSky(Sky());
}

const SkySource& CalendarCache::Sky() const
{
    return skyTableUsed_ ? static_cast<const SkySource&>(TheSkyTable()) : ComputedSky();
}

Moment CalendarCache::DarkMoonUT(int32_t lunation)
{
    if (!enabled_)
        return GetPhaseTimeUT(lunation, 0);
    if (skyTableUsed_) {
        if (const std::optional<Moment> ut = TheSkyTable().DarkMoonUT(lunation))
            return *ut;
    }
    return darkMoons_.UT(lunation);
}

SolarTermTable CalendarCache::TrueSunTerms(LocalTime cjdc)
{
    return enabled_ ? termTables_.TrueSun(cjdc, Sky()) : BuildSolarTerms(cjdc, TermMethod::TrueSun);
}

void CalendarCache::Clear()
{
    darkMoons_.Clear();
    termTables_.Clear();
    years_.Clear();
}

size_t CalendarCache::MemoryBytes() const
{
    return sizeof(*this) + darkMoons_.MemoryBytes() + years_.MemoryBytes();
}

CalendarCache& TheCalendarCache()
{
    // On the heap: the object holds some 70 KB of term tables inline.
    thread_local const std::unique_ptr<CalendarCache> cache = std::make_unique<CalendarCache>();
    return *cache;
}

} // namespace orlun
