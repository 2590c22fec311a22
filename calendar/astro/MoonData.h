// The Moon data of the main window for one moment: lunation and age, illumination, the phase
// name, and which picture shows it.
#pragma once

#include <cstdint>
#include <string>

#include "calendar/astro/MoonPhaseMemo.h"
#include "calendar/core/Moment.h"

namespace orlun {

// "12 days, 14 hrs, 29 mins": whole days, hours and minutes of an age in days; a unit takes
// "s" unless its number is 1.
std::string AgeOfMoonStr(double age);

// Geometric illumination (0..1) from the apparent longitudes of the Moon and the Sun (radians).
double GeometricIllumination(double moonLongitude, double sunLongitude);

// Illumination (0..1) from the time elapsed between the principal phases around the moment.
// k is the last principal phase (0..3), t0 its UT instant and t1 that of the next one.
double InterpolatedIllumination(int k, Moment t0, Moment t1, Moment moment);

// "Crescent moon (waxing), 12.3%": the phase name of an illumination, the waxing or waning
// suffix between 0.05% and 99.95%, and the illumination in percent with one decimal.
std::string PhaseOfMoonText(double illumination, bool waxing);

struct MoonData {
    bool ok = false;           // false when GetPhase failed: see error
    int32_t lunation = 0;
    int phase = 0;             // the last principal phase, 0..3
    double illumination = 0;   // 0..1
    bool waxing = false;       // phase 0 or 1
    bool geometric = false;    // illumination from the longitudes, not interpolated
    std::string phaseText;     // lblPhaseOfMoon
    std::string ageText;       // lblAgeOfMoon: "[lunation] age (percent of the lunation)"
    std::string error;         // the warning text when !ok; then phaseText is empty
};

// The Moon data of a UT moment. The Moon's position is asked only for 1600-2099; outside those
// years the illumination is interpolated between the phase instants.
MoonData ComputeMoonData(Moment moment);
// The same, with the phase instants taken from (and kept in) a memo that outlives the call, so
// that the days of a run ask the engine for each phase once.
MoonData ComputeMoonData(Moment moment, MoonPhaseMemo& phases);

} // namespace orlun
