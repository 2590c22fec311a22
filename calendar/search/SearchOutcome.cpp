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
    const RangeCheck check = CheckDateRange(outcome->moment);
    if (check == RangeCheck::InRange) return outcome;
    return Refused(kDateRangeTitle, DateRangeMessage(check), MessageIcon::Warning);
}

MomentOutcome FoundDay(DayNumber day, Meridian reference, std::optional<CalendarRow> calendar)
{
    return NewMoment{CJDCToAJD(reference.NoonOf(day)), calendar};
}

} // namespace orlun
