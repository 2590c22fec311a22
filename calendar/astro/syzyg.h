// Lunations and phases in universal time, on top of the engine's dynamical-time phase instants.
//
// Lunation n runs from the dark moon of lunation n to the dark moon of lunation n + 1; lunation 0
// begins with the dark moon of 2000-01-06 (18:13 UT). Phase codes: 0 dark moon, 1 first quarter,
// 2 full moon, 3 last quarter.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <variant>

#include "calendar/astro/DynamicalTime.h"
#include "calendar/core/Moment.h"

namespace orlun {

// Mean synodic month in days: only the first guess of a search.
constexpr double kSynodicMonth = 29.5305888531;

// Moon longitude guard results: the moment lies before or after the days the Moon position is
// requested for (1600-01-01 .. 2099-12-31, day numbers 2305448 .. 2488069).
constexpr double kMoonLongitudeTooEarly = -99;
constexpr double kMoonLongitudeTooLate = -100;

// Delta T in minutes for a moment: the engine's delta T of the Gregorian year of the day number
// nearest to the moment (a half-way value goes to the even day number).
double GetDeltaT(Moment moment);

// TD instant of a phase of a lunation.
DynamicalTime GetPhaseTimeTD(int32_t lunation, int phase);

// UT instant of a phase: the TD instant less the delta T of that instant's year.
Moment GetPhaseTimeUT(int32_t lunation, int phase);

// UT instant of the dark moon of lunation 0.
Moment Lunation0Start();

// The lunation n with GetPhaseTimeUT(n,0) <= moment < GetPhaseTimeUT(n+1,0); a moment exactly at
// a dark moon belongs to the lunation that begins there. nullopt when the moment is not finite
// or the lunation number would leave the 32-bit range (the search always ends).
std::optional<int32_t> GetLunation(Moment moment);

// GetLunation with the dark-moon instants taken from darkMoonUT(n) (a Moment), so that a caller
// holding remembered instants gets the same answer without asking the engine again.
template <class DarkMoonUT>
std::optional<int32_t> FindLunation(Moment at, DarkMoonUT&& darkMoonUT)
{
    constexpr int32_t kLowest = std::numeric_limits<int32_t>::min();
    constexpr int32_t kHighest = std::numeric_limits<int32_t>::max();
    // The first guess is at most a lunation or two off; the cap only guarantees an end when the
    // engine cannot give instants (far outside its ephemeris).
    constexpr int kMaxSteps = 64;
    if (!std::isfinite(at.ajd())) return std::nullopt;
    const double guess = std::floor((at - Lunation0Start()) / kSynodicMonth);
    if (!(guess >= kLowest && guess < kHighest)) return std::nullopt;
    auto n = static_cast<int32_t>(guess);
    for (int step = 0; step < kMaxSteps; ++step) {
        const Moment a = darkMoonUT(n);
        const Moment b = darkMoonUT(n + 1);
        if (!std::isfinite(a.ajd()) || !std::isfinite(b.ajd())) return std::nullopt;
        if (a <= at && at < b) return n;
        if (a > at) {
            if (n == kLowest) return std::nullopt;
            --n;
        } else {
            if (n + 1 == kHighest) return std::nullopt;
            ++n;
        }
    }
    return std::nullopt;
}

// A moment this close after a phase (in days) is the phase itself.
constexpr double kExactPhaseWithin = 0.00005;

// The last principal phase (0..3) at or before a moment within its lunation; exact when the moment
// lies less than 0.00005 day after that phase.
struct PhaseInLunation {
    int phase = 0;
    bool exact = false;
};
// A moment outside the lunation asked about; the numbers are those the moon data's error shows.
enum class OutsideLunation : int { AtOrAfterNext = -1, Before = -2 };
using PhaseLookup = std::variant<PhaseInLunation, OutsideLunation>;

// The phase of the UT moment within the lunation, or where the moment lies outside it.
PhaseLookup GetPhase(int32_t lunation, Moment moment);

// GetPhase with the phase instants taken from phaseUT(n, k) (a Moment), as FindLunation takes its
// dark moons.
template <class PhaseUT>
PhaseLookup FindPhase(int32_t lunation, Moment at, PhaseUT&& phaseUT)
{
    // The phases are compared in universal time, as GetLunation compares them. Moving the moment
    // to dynamical time with its own year's delta T instead would disagree with GetLunation by
    // the change of delta T between two years (tens of seconds a year in antiquity), and a moment
    // just after a dark moon near New Year would then seem to lie before its own lunation.
    if (lunation == std::numeric_limits<int32_t>::max() || phaseUT(lunation + 1, 0) <= at)
        return OutsideLunation::AtOrAfterNext;
    for (int k = 3; k >= 0; --k) {
        const Moment t = phaseUT(lunation, k);
        if (t <= at) {
            // Within 0.00005 day; the margin keeps a moment 0.00005 day after the phase, whose
            // difference rounds a hair below it, from counting as exact.
            return PhaseInLunation{k, at - t < kExactPhaseWithin - 1e-9};
        }
    }
    return OutsideLunation::Before;
}

// The Moon's apparent longitude in radians at a UT moment, or kMoonLongitudeTooEarly /
// kMoonLongitudeTooLate outside the supported days (the engine is not asked then).
double GetMoonLongitude(Moment moment);

} // namespace orlun
