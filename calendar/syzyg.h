// Lunations and phases in universal time, on top of the engine's dynamical-time phase instants.
#pragma once

#include <cstdint>

namespace orlun {

// Delta T in minutes for a moment (AJD, either scale): the engine's delta T of the Gregorian
// year of the day number nearest to the moment (a half-way value goes to the even day number).
double GetDeltaT(double moment);

// TD instant (AJD scale) of a phase (0 dark, 1 first quarter, 2 full, 3 last quarter) of a lunation.
double GetPhaseTimeTD(int32_t lunation, int phase);

// UT instant of a phase: the TD instant less GetDeltaT(TD instant)/1440 days.
double GetPhaseTimeUT(int32_t lunation, int phase);

} // namespace orlun
