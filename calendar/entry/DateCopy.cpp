#include "calendar/entry/DateCopy.h"

namespace orlun {

namespace {

// The text up to and including the first occurrence of the designation, or the whole text.
std::string UpToDesignation(const std::string& value, const std::string& designation)
{
    const size_t at = value.find(designation);
    if (at == std::string::npos) return value;
    return value.substr(0, at + designation.size());
}

// "02:32" out of "... 02:32 GMT ...": five characters starting two before the first ":".
std::string TimeAround(const std::string& value)
{
    const size_t colon = value.find(':');
    if (colon == std::string::npos || colon < 2) return "";
    return value.substr(colon - 2, 5);
}

} // namespace

EntryFields EntryFromDisplayedValue(CalendarRow row, const std::string& value)
{
    EntryFields f;
    switch (row) {
    case kRowAJD:
    case kRowCJDC:
    case kRowCJDL:
        f.date = value;
        return f;
    case kRowCE:
    case kRowJC:
    case kRowARCGMT:
        f.zoneIndex = 0;
        break;
    case kRowCHL:
    case kRowCHS:
    case kRowARCCCT:
        f.zoneIndex = 1;
        f.clearElementAnimal = (row == kRowARCCCT);
        break;
    }
    const std::string designation = (row == kRowARCGMT || row == kRowARCCCT)
                                        ? "ARC"
                                        : kCalendarDesignations[row].primary;
    f.date = UpToDesignation(value, designation);
    f.time = TimeAround(value);
    return f;
}

} // namespace orlun
