#include "calendar/entry/Convert.h"

#include "calendar/core/TextTrim.h"
#include "calendar/core/TimeScales.h"
#include "calendar/western/DatePr2.h"

namespace orlun {

bool SameDisplayedMinute(Moment ajd, Moment otherAJD)
{
    const LocalTime cjdl = AJDToCJDL(ajd);
    const LocalTime otherCJDL = AJDToCJDL(otherAJD);
    return cjdl.day() == otherCJDL.day() && LondonTime(cjdl) == LondonTime(otherCJDL);
}

namespace {

ConvertResult Refused(ConvertResult r, DateEntryError code)
{
    if (code == DateEntryError::TooLate) {
        r.outcome = ConvertOutcome::OutOfRange;
        r.range = RangeCheck::TooLate;
    } else {
        r.outcome = ConvertOutcome::EntryError;
    }
    r.errorCode = code;
    return r;
}

ConvertResult Decided(ConvertResult r, ConvertOutcome outcome, Moment ajd)
{
    r.outcome = outcome;
    r.ajd = ajd;
    return r;
}

} // namespace

ConvertResult ConvertEntry(const DateEntry& entry, bool plus, Moment currentAJD,
                           const CalendarSettings& settings, const CalendarQuestion& ask)
{
    ConvertResult r;
    r.plusMinus = Trim(entry.plusMinus);
    if (!r.plusMinus.empty() && !IsValidPlusMinus(r.plusMinus)) return Refused(r, DateEntryError::InvalidPlusMinus);
    DateEntry e = entry;
    e.plusMinus = r.plusMinus;
    r.parse = ParseDate(e, settings, ask);
    r.parsed = true;
    if (r.parse.errorCode != DateEntryError::None) return Refused(r, r.parse.errorCode);
    Moment ajd = r.parse.ajd;
    if (!r.plusMinus.empty()) {
        // A negative amount reverses the direction.
        const double amount = PlusMinusAmount(r.plusMinus);
        ajd = plus ? ajd + amount : ajd - amount;
    } else if (ajd == currentAJD) {
        return Decided(r, ConvertOutcome::Unchanged, currentAJD);
    }
    r.range = CheckDateRange(ajd);
    if (r.range != RangeCheck::InRange) return Decided(r, ConvertOutcome::OutOfRange, Moment(0));
    if (SameDisplayedMinute(ajd, currentAJD)) return Decided(r, ConvertOutcome::SameMinute, ajd);
    return Decided(r, ConvertOutcome::Converted, ajd);
}

} // namespace orlun
