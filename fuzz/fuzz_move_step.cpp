// One step of the Move panel from any moment, in any unit and direction, with any keep options:
// it moves to a finite moment or refuses with a message, and never runs away.
#include "FuzzCountry.h"
#include "FuzzInput.h"
#include "calendar/core/ChineseYears.h"
#include "calendar/core/Limits.h"
#include "calendar/navigation/MoveStep.h"
#include "calendar/navigation/MoveUnits.h"

using namespace orlun;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzInput in(data, size);
    CalendarSettings settings;
    settings.country = fuzz::AnyCountry(in);
    settings.epoch = in.Flag() ? kEpochHuangdi : kEpochAlternative;
    MoveInputs inputs;
    inputs.unit = MoveUnitRows()[in.Choice(kMoveUnitCount)].unit;
    inputs.forward = in.Flag();
    inputs.keep30 = in.Flag();
    inputs.keepLeap = in.Flag();
    // Mostly moments a little beyond either end of the range and anywhere inside it; now and then
    // any bit pattern at all.
    const Moment ajd{in.Flag() ? in.AnyDouble() : in.Within(kMinAJD - 400, kMaxAJD + 400)};
    const MomentOutcome r = MoveStep(ajd, inputs, settings);
    if (!std::isfinite(ajd.ajd())) return 0;
    if (r.ok() && !std::isfinite(r->moment.ajd())) fuzz::Broken("a step to a moment that is not finite");
    if (!r.ok() && r.refusal().text.empty()) fuzz::Broken("a refusal without a message");
    return 0;
}
