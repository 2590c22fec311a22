#include "calendar/syzyg.h"

#include <cmath>

#include "calendar/DatePr2.h"
#include "engine/lunev.h"

namespace orlun {

double GetDeltaT(double moment)
{
    // The civil day nearest to the moment; nearbyint rounds a half-way value to the even number.
    WesternDate rec;
    rec.jdn = static_cast<int32_t>(std::nearbyint(moment));
    rec.calendar = 'G';
    JDNToDate(rec);
    return deltat(static_cast<double>(rec.year), 1915);
}

double GetPhaseTimeTD(int32_t lunation, int phase)
{
    int32_t status = 0;
    return syzyg(lunation, phase, &status);
}

double GetPhaseTimeUT(int32_t lunation, int phase)
{
    const double td = GetPhaseTimeTD(lunation, phase);
    return td - GetDeltaT(td) / 1440.0;
}

} // namespace orlun
