// The solar-term tables of the Chinese conversions, with the true-sun tables remembered.
#include "calendar/chinese/Orlun3.h"

#include "calendar/chinese/CalendarCache.h"

namespace orlun {

SolarTermTable SolarTermsOf(double cjdc, TermMethod method, int refLongitude)
{
    if (method == TermMethod::MeanSun)
        return BuildSolarTerms(Meridian(refLongitude).At(cjdc), method);
    return TheCalendarCache().TrueSunTerms(cjdc, refLongitude);
}

} // namespace orlun
