// A moment: an instant in Universal Time, counted as the astronomical Julian date (AJD, days from
// Greenwich noon). Its civil day and time of day exist only at a meridian (Meridian.h).
#pragma once

#include <compare>

namespace orlun {

class Moment {
public:
    constexpr Moment() = default;
    explicit constexpr Moment(double ajd) : ajd_(ajd) {}

    constexpr double ajd() const { return ajd_; }

    friend constexpr auto operator<=>(Moment, Moment) = default;
    // A span of days (fractions allowed) later or earlier.
    friend constexpr Moment operator+(Moment m, double days) { return Moment(m.ajd_ + days); }
    friend constexpr Moment operator-(Moment m, double days) { return Moment(m.ajd_ - days); }
    // The days from b to a.
    friend constexpr double operator-(Moment a, Moment b) { return a.ajd_ - b.ajd_; }

private:
    double ajd_ = 0;
};

} // namespace orlun
