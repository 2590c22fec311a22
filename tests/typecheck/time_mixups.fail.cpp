// The mix-ups of time values that once compiled: each case must be refused by the compiler, and
// the well-typed calls beside them must compile. Built as typed_core.fail.cpp is; see
// compile-fail.cmake.
#include "calendar/astro/syzyg.h"
#include "calendar/core/TimeScales.h"
#include "calendar/navigation/MoveStep.h"
#include "calendar/presentation/DisplayModel.h"

namespace {

using namespace orlun;

int Check()
{
    const CalendarSettings settings;
    const MoveInputs inputs;
    const Moment ajd(2451545.0);
    const LocalTime cjdc = AJDToCJDC(ajd, settings.meridian);
#if ORLUN_FAIL_CASE == 1
    return BuildDisplayTexts(cjdc, settings).yearPosition; // a CJDC is no moment
#elif ORLUN_FAIL_CASE == 2
    const LocalTime asCJDC = ajd; // an AJD read as a CJDC
    return asCJDC.day().value() > 0;
#elif ORLUN_FAIL_CASE == 3
    return MoveStep(GetPhaseTimeTD(0, 0), inputs, settings).ok(); // a TD instant is no moment (UT)
#elif ORLUN_FAIL_CASE == 4
    return AJDToCJDC(ajd, settings.epoch).day().value() > 0; // the epoch is no meridian
#else
    const bool typed = BuildDisplayTexts(CJDCToAJD(cjdc), settings).yearPosition > 0 &&
                       MoveStep(GetPhaseTimeUT(0, 0), inputs, settings).ok();
    return typed && AJDToCJDC(ajd, settings.meridian).day() == cjdc.day() ? 1 : 0;
#endif
}

} // namespace

int main() { return Check() == 1 ? 0 : 1; }
