// The Sun side of the astronomical engine: apparent solar longitude and solar-term crossings.
#pragma once

#include <cstdint>

// The Sun's apparent geocentric ecliptic longitude in radians (0..2pi) at a UT moment. The status
// word may be null; it is set to 0 and is never read by the program.
double sun_app(double ut, int32_t* status);

// Fills six[0..5], in increasing order, with the TD instants at which the Sun's apparent longitude
// equals its longitude at t1 plus 0, 15, 30, 45, 60 and 75 degrees (six[0] = t1). t1 and t2 are
// the TD instants of two consecutive quarter points (equinox or solstice); t2 only bounds the
// search. Returns 0, or -1 when an argument is not finite (six is then left unchanged).
int32_t solar_terms_true_sun(double t1, double t2, double* six);
