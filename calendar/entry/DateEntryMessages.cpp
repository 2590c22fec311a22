#include "calendar/entry/DateEntryMessages.h"

#include <cmath>

#include "calendar/core/Limits.h"

namespace orlun {

namespace {

constexpr const char* kCrLf = "\r\n";

std::string CHLDateMessage(Country country)
{
    const std::string head = "Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'";
    const std::string tail = std::string("Or use '?' for position with a specified element-animal, e.g., 70-?-12-30,") +
                             kCrLf + "and specify element-animal using the drop-down boxes.";
    // Only where the overseas Chinese year is read is that form named.
    if (ProfileOf(country).chineseYearForms)
        return head + kCrLf +
               "or 'year-month-day', where 'year' is the Overseas Chinese year, e.g. 4709." + kCrLf +
               kCrLf + tail;
    return head + "." + kCrLf + kCrLf + tail;
}

} // namespace

std::string DateEntryErrorMessage(DateEntryError code, Country country)
{
    switch (code) {
    case DateEntryError::NoDate:
        return "No date specified.";
    case DateEntryError::NoCalendar:
        return "Calendar must be specified (one of CHL, CHS, CE, JC, ARC, CJDL, CJDC, AJD).";
    case DateEntryError::TimeInDate:
        return "Time specification not permitted in date string.";
    case DateEntryError::InvalidTime:
        return "Invalid time specification.  Times must be, e.g., 23:50.";
    case DateEntryError::Separator:
        return "Date separator must be a dash, '-'.";
    case DateEntryError::InvalidCE:
        return "Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day";
    case DateEntryError::InvalidJC:
        return "Invalid JC date.  JC dates must be in ISO 8601 format: year-month-day";
    case DateEntryError::InvalidCHL:
        return CHLDateMessage(country);
    case DateEntryError::InvalidCHS:
        return std::string("Invalid CHS date.  CHS dates must be in the form: cycle-position-solarterm-day") + kCrLf;
    case DateEntryError::InvalidDayCount:
        return "Invalid CJDL, CJDC, or AJD date.  These must be, e.g., 999999.99 CJDL or 2,111,111 AJD.";
    case DateEntryError::InvalidARC:
        return "Invalid ARC date.  ARC dates must be in ISO 8601 format: year-month-day";
    case DateEntryError::Unparsed:
        return "Error when parsing date string.";
    case DateEntryError::CHLDayBeyondMonth:
        return "Invalid CHL date.  Day number exceeds number of days in the month.";
    case DateEntryError::InvalidPlusMinus:
        return "Invalid plus/minus days.";
    case DateEntryError::TooEarly:
        return "Date too early.";
    case DateEntryError::TooLate:
        return DateRangeMessage(RangeCheck::TooLate);
    case DateEntryError::None:
        break;
    }
    return "";
}

const char* DateEntryErrorTitle(DateEntryError code)
{
    return code == DateEntryError::TooLate ? kDateRangeTitle : kDateEntryErrorTitle;
}

Refusal DateEntryRefusal(DateEntryError code, Country country)
{
    return {DateEntryErrorTitle(code), DateEntryErrorMessage(code, country), MessageIcon::Warning,
            AfterRefusal::RetypeDate};
}

RangeCheck CheckDateRange(Moment ajd)
{
    if (std::isnan(ajd.ajd())) return RangeCheck::TooLate;
    if (ajd < kEarliestMoment) return RangeCheck::TooEarly;
    if (ajd > kLatestMoment) return RangeCheck::TooLate;
    return RangeCheck::InRange;
}

std::string DateRangeMessage(RangeCheck check)
{
    switch (check) {
    case RangeCheck::TooEarly:
        return "Date is earlier than -3000-01-01 CE.";
    case RangeCheck::TooLate:
        return "Date is later than 3000-01-01 CE.";
    case RangeCheck::InRange:
        break;
    }
    return "";
}

} // namespace orlun
