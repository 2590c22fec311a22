// The solar-term tables of the Chinese conversions, with the true-sun tables remembered.
#include "calendar/chinese/Orlun3.h"

#include "calendar/chinese/CalendarCache.h"

namespace orlun {

SolarTermTable SolarTermsOf(LocalTime cjdc, TermMethod method)
{
    CalendarCache& cache = TheCalendarCache();
    if (method == TermMethod::MeanSun)
        return BuildSolarTerms(cjdc, method, cache.Enabled() ? cache.Sky() : ComputedSky());
    return cache.TrueSunTerms(cjdc);
}

} // namespace orlun
