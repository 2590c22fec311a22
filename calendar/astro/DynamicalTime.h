// Dynamical time (TD): the uniform time of the ephemerides, counted as the Julian Ephemeris Date
// (the AJD's count in dynamical time). It runs ahead of universal time by delta T. Only the
// astronomy and the engine's adapter hold TD instants; everything else sees a Moment (UT).
#pragma once

#include <compare>
#include <cstdint>

#include "calendar/core/Moment.h"

namespace orlun {

class DynamicalTime {
public:
    constexpr DynamicalTime() = default;
    explicit constexpr DynamicalTime(double jde) : jde_(jde) {}

    constexpr double jde() const { return jde_; }

    friend constexpr auto operator<=>(DynamicalTime, DynamicalTime) = default;

private:
    double jde_ = 0;
};

// The crossings between the time scales, with the engine's delta T of the given Gregorian year
// (the one place that subtracts or adds it). Each caller says which year's delta T applies.
Moment UniversalTimeOf(DynamicalTime td, int32_t deltaTYear);
DynamicalTime DynamicalTimeOf(Moment ut, int32_t deltaTYear);

} // namespace orlun
