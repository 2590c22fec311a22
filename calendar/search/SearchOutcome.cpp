#include "calendar/search/SearchOutcome.h"

#include "calendar/core/TimeScales.h"
#include "calendar/entry/DateEntryMessages.h"

namespace orlun {

MomentOutcome RangeRefusal(bool next)
{
    return Refused(kDateRangeTitle, DateRangeMessage(next ? RangeCheck::TooLate : RangeCheck::TooEarly),
                   MessageIcon::Warning);
}

MomentOutcome WithinRange(MomentOutcome outcome)
{
    if (!outcome.ok()) return outcome;
    const RangeCheck check = CheckDateRange(outcome->ajd);
    if (check == RangeCheck::InRange) return outcome;
    return Refused(kDateRangeTitle, DateRangeMessage(check), MessageIcon::Warning);
}

MomentOutcome FoundDay(int32_t day, int refLongitude, int calendar)
{
    return NewMoment{CJDCToAJD(NoonOf(day), refLongitude), calendar};
}

} // namespace orlun
