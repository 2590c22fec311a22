#include "calendar/chinese/CalendarCache.h"

#include <memory>

#include "calendar/astro/syzyg.h"

namespace orlun {

Moment CalendarCache::DarkMoonUT(int32_t lunation)
{
    return enabled_ ? darkMoons_.UT(lunation) : GetPhaseTimeUT(lunation, 0);
}

SolarTermTable CalendarCache::TrueSunTerms(double cjdc, int refLongitude)
{
    return enabled_ ? termTables_.TrueSun(cjdc, refLongitude) : BuildSolarTerms(Meridian(refLongitude).At(cjdc), TermMethod::TrueSun);
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
