// The Moon side of the astronomical engine: lunar phases, delta T and the Moon's longitude.
//
// Backed by the Swiss Ephemeris with its JPL-based standard files (see engine_status.h). All
// instants are Julian dates: "TD" dynamical time (a Julian Ephemeris Date), "UT" universal time.
#pragma once

#include <cstdint>

// TD instant of a principal phase (0 dark moon, 1 first quarter, 2 full moon, 3 last quarter) of
// a lunation. Lunation 0 begins with the dark moon of 2000-01-06 at 18:13 UT; negative numbers are
// valid. Found by iterating on the Moon-Sun elongation until the step is below 0.1 second. The
// status word may be null; it is set to 0 and is never read by the program.
double syzyg(int32_t lunation, int32_t phase, int32_t* status);

// Delta T (TD - UT) in minutes at the middle of the given whole Gregorian year. The second
// argument is ignored (the program always passes 1915).
double deltat(double year, int32_t unused);

// The Moon's apparent geocentric ecliptic longitude, in radians (0..2pi), at the UT moment
// JD 2451545 + days.
double moonpos(double days);

// Whether a UT or TD instant lies within `margin` days of a seam between two of the ephemeris
// files (one at each New Year of a year divisible by 600). The files overlap at a seam and the
// library answers from the one it read last, so an instant found there depends on what was asked
// before; everywhere else the same question always gets the same answer.
bool near_ephemeris_seam(double jd, double margin);
