// The day counts of the program and the crossings between them.
//
// AJD  astronomical Julian date, UT: days from Greenwich noon.
// CJDL chronological Julian date of London: AJD + 0.5, days from Greenwich midnight.
// CJDC chronological Julian date of the reference meridian: CJDL + L/360, L in degrees East.
// The floor of a chronological Julian date is the JDN of the civil day on its meridian, its
// fraction the time of day there.
#pragma once

#include "calendar/core/Meridian.h"

namespace orlun {

// The crossings, on a moment in UT and local time on a meridian (the reference meridian for CJDC,
// Greenwich for CJDL). A day number becomes a local time through its meridian (Meridian::NoonOf,
// Meridian::MidnightOf); a local time gives its day and time of day (LocalTime::day,
// LocalTime::fractionOfDay).
inline LocalTime AJDToCJDL(Moment ajd) { return Meridian::Greenwich().LocalTimeOf(ajd); }
inline Moment CJDLToAJD(LocalTime cjdl) { return cjdl.moment(); }
inline LocalTime CJDLToCJDC(LocalTime cjdl, Meridian reference) { return cjdl.On(reference); }
inline LocalTime CJDCToCJDL(LocalTime cjdc) { return cjdc.On(Meridian::Greenwich()); }
inline LocalTime AJDToCJDC(Moment ajd, Meridian reference) { return reference.LocalTimeOf(ajd); }
inline Moment CJDCToAJD(LocalTime cjdc) { return cjdc.moment(); }

} // namespace orlun
