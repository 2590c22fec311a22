#include "calendar/search/SearchOutcome.h"

#include "calendar/core/TimeScales.h"
#include "calendar/entry/DateEntryMessages.h"

namespace orlun {

SearchOutcome RangeRefusal(bool next)
{
    return Refused(kDateRangeTitle, DateRangeMessage(next ? RangeCheck::TooLate : RangeCheck::TooEarly),
                   MessageIcon::Warning);
}

SearchOutcome WithinRange(SearchOutcome outcome)
{
    if (!outcome.found) return outcome;
    const RangeCheck check = CheckDateRange(outcome.ajd);
    if (check == RangeCheck::InRange) return outcome;
    return Refused(kDateRangeTitle, DateRangeMessage(check), MessageIcon::Warning);
}

SearchOutcome FoundDay(int32_t day, int refLongitude)
{
    return FoundAt(CJDCToAJD(NoonOf(day), refLongitude));
}

} // namespace orlun
