#include "calendar/entry/Convert.h"

#include "calendar/core/TextTrim.h"
namespace orlun {

ConvertResult ConvertEntry(const DateEntry& entry, bool plus, double currentAJD,
                           const CalendarSettings& settings, const CalendarQuestion& ask)
{
    ConvertResult r;
    r.plusMinus = Trim(entry.plusMinus);
    if (!r.plusMinus.empty() && !IsValidPlusMinus(r.plusMinus)) {
        r.errorCode = kEntryInvalidPlusMinus;
        return r;
    }
    DateEntry e = entry;
    e.plusMinus = r.plusMinus;
    r.parse = ParseDate(e, settings, ask);
    r.parsed = true;
    if (r.parse.errorCode > 0) {
        r.errorCode = r.parse.errorCode;
        return r;
    }
    double ajd = r.parse.ajd;
    if (!r.plusMinus.empty()) {
        // A negative amount reverses the direction.
        const double amount = PlusMinusAmount(r.plusMinus);
        ajd = plus ? ajd + amount : ajd - amount;
    } else if (ajd == currentAJD) {
        r.outcome = ConvertOutcome::Unchanged;
        return r;
    }
    r.range = CheckDateRange(ajd);
    if (r.range != RangeCheck::InRange) {
        r.outcome = ConvertOutcome::OutOfRange;
        return r;
    }
    r.outcome = ConvertOutcome::Converted;
    r.ajd = ajd;
    return r;
}

} // namespace orlun
