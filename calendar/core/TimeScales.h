// The day counts of the program and the crossings between them.
//
// AJD  astronomical Julian date, UT: days from Greenwich noon.
// CJDL chronological Julian date of London: AJD + 0.5, days from Greenwich midnight.
// CJDC chronological Julian date of the reference meridian: CJDL + L/360, L in degrees East.
// The floor of a chronological Julian date is the JDN of the civil day on its meridian, its
// fraction the time of day there.
#pragma once

#include <cmath>
#include <cstdint>

#include "calendar/core/Meridian.h"

namespace orlun {

inline double AJDToCJDL(double ajd) { return ajd + 0.5; }
inline double CJDLToAJD(double cjdl) { return cjdl - 0.5; }
inline double CJDLToCJDC(double cjdl, int refLongitude) { return cjdl + refLongitude / 360.0; }
inline double CJDCToCJDL(double cjdc, int refLongitude) { return cjdc - refLongitude / 360.0; }
inline double AJDToCJDC(double ajd, int refLongitude) { return CJDLToCJDC(AJDToCJDL(ajd), refLongitude); }
inline double CJDCToAJD(double cjdc, int refLongitude) { return CJDLToAJD(CJDCToCJDL(cjdc, refLongitude)); }

// The same crossings on the typed values: a moment in UT and local time on a meridian (the
// reference meridian for CJDC, Greenwich for CJDL). They give the same bits as the ones above.
inline LocalTime AJDToCJDL(Moment ajd) { return Meridian::Greenwich().LocalTimeOf(ajd); }
inline Moment CJDLToAJD(LocalTime cjdl) { return cjdl.moment(); }
inline LocalTime CJDLToCJDC(LocalTime cjdl, Meridian reference) { return cjdl.On(reference); }
inline LocalTime CJDCToCJDL(LocalTime cjdc) { return cjdc.On(Meridian::Greenwich()); }
inline LocalTime AJDToCJDC(Moment ajd, Meridian reference) { return reference.LocalTimeOf(ajd); }
inline Moment CJDCToAJD(LocalTime cjdc) { return cjdc.moment(); }

// The day number of a chronological Julian date (its floor), held at the ends of the 32-bit day
// numbers for moments beyond them (and the lowest for no number), never wrapped.
inline int32_t DayNumberOf(double cjd)
{
    const double day = std::floor(cjd);
    if (!(day >= static_cast<double>(INT32_MIN))) return INT32_MIN;
    if (day > static_cast<double>(INT32_MAX)) return INT32_MAX;
    return static_cast<int32_t>(day);
}
// The time of day of a chronological Julian date, as a fraction of a day.
inline double FractionOf(double cjd) { return cjd - std::floor(cjd); }

// A day number used as a moment on the same meridian: its noon (the moment whose day is surely
// that day, whatever rounding follows) or its midnight (the first instant of the day).
inline double NoonOf(int32_t day) { return day + 0.5; }
inline double MidnightOf(int32_t day) { return static_cast<double>(day); }

} // namespace orlun
