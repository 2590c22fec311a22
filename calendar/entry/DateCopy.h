// Copying a displayed date into the date entry fields: which text goes into the date field, the
// time field and the time-zone list when the user clicks the value of a display line.
#pragma once

#include <string>

#include "calendar/core/CalendarRows.h"

namespace orlun {

struct EntryFields {
    std::string date;    // the date field
    std::string time;    // the time field ("" for none)
    int zoneIndex = -1;  // time-zone list: 0 GMT, 1 the reference zone, -1 none
    bool clearElementAnimal = true; // element and animal lists to their empty items
};

// The entry fields for a click on the value text of the line of a calendar row.
// CE, JC, CHL, CHS and ARC: the text up to and including its designation, and the five
// characters around the first ":" as the time; GMT for CE, JC and ARC GMT, the reference zone
// for CHL, CHS and ARC at the reference meridian. Day counts (CJDC, CJDL, AJD): the whole text,
// no time and no zone. CHL and CHS leave the element and animal lists to the caller.
EntryFields EntryFromDisplayedValue(CalendarRow row, const std::string& value);

} // namespace orlun
