// The solar-term tables of the Chinese conversions, with the true-sun tables remembered.
#include "calendar/chinese/Orlun3.h"

#include "calendar/chinese/CalendarCache.h"

namespace orlun {

SolarTermTable SolarTermsOf(double cjdc, TermMethod method, int refLongitude)
{
    CalendarCache& cache = TheCalendarCache();
    if (method == TermMethod::MeanSun)
        return BuildSolarTerms(Meridian(refLongitude).At(cjdc), method, cache.Enabled() ? cache.Sky() : ComputedSky());
    return cache.TrueSunTerms(cjdc, refLongitude);
}

} // namespace orlun
