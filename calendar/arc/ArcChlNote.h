// The note that compares the ARC date at the reference meridian with the CHL date: both calendars
// count lunar months, and their month and day numbers often agree or differ by one.
#pragma once

#include <array>
#include <string>

namespace orlun {

// Every note there is, in the order of its rules.
inline constexpr std::array<const char*, 8> kArcChlNotes = {
    "ARC day same as CHL",          // in a leap month
    "ARC month & day same as CHL",  "ARC date 1 day ahead of CHL",
    "ARC date 1 day behind CHL",    "ARC date 1 month ahead of CHL",
    "ARC date 1 month behind CHL",  "ARC month no. same as CHL",
    "ARC day no. same as CHL",
};

// From the value texts of the CHL line ("79-30-01-01 CHL 20:00 CCT") and of the reference
// meridian's ARC line ("4710-01-02 ARC 20:00 CCT Mercury Day"): "ARC month & day same as CHL",
// "ARC date 1 day ahead of CHL", ... or "" when neither text can be read or no rule holds. In a
// CHL leap month only "ARC day same as CHL" is noted.
std::string ArcChlNote(const std::string& chlValue, const std::string& arcValue);

} // namespace orlun
