// Meaningless mixes of the time types must not compile. Built once as it stands (it must
// compile) and once for each case number ORLUN_FAIL_CASE (each must be refused); see
// compile-fail.cmake.
#include "calendar/core/ChineseDate.h"
#include "calendar/core/DayNumber.h"
#include "calendar/core/Meridian.h"
#include "calendar/core/Moment.h"

namespace {

using namespace orlun;

double HoursOf(Moment m) { return m.ajd() * 24; }
int32_t DaysOf(DayNumber d) { return d.value(); }

} // namespace

int main()
{
    const DayNumber day(2451545);
    const Moment moment(2451545.0);
    const LocalTime cjdc = Meridian(120).LocalTimeOf(moment);
#if ORLUN_FAIL_CASE == 1
    return HoursOf(day) > 0; // a day number where a moment is expected
#elif ORLUN_FAIL_CASE == 2
    return DaysOf(moment) > 0; // a moment where a day number is expected
#elif ORLUN_FAIL_CASE == 3
    return HoursOf(cjdc) > 0; // a local time passes for a moment only through .moment()
#elif ORLUN_FAIL_CASE == 4
    return HoursOf(2451545.0) > 0; // a bare double is no moment
#elif ORLUN_FAIL_CASE == 5
    return DaysOf(day + day) > 0; // two day numbers do not add
#elif ORLUN_FAIL_CASE == 6
    const LocalTime bare(2451545.5, Meridian(0)); // local time comes only from a meridian
    return bare.cjd() > 0;
#elif ORLUN_FAIL_CASE == 7
    return Meridian(120).NoonOf(moment).cjd() > 0; // a day's noon needs a day number
#else
    return HoursOf(cjdc.moment()) > 0 && DaysOf(cjdc.day()) == DaysOf(day) ? 0 : 1;
#endif
}
