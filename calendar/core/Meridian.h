// A meridian and the local time on it. The chronological Julian date of a meridian L degrees East
// is AJD + 0.5 + L/360: its floor is the day number of the civil day there, its fraction the time
// of day. Local time is reached from a moment only through a meridian, so a CJDC never passes
// for an AJD.
#pragma once

#include <cmath>
#include <compare>
#include <cstdint>

#include "calendar/core/DayNumber.h"
#include "calendar/core/Moment.h"

namespace orlun {

class LocalTime;

// A meridian in whole degrees East: Greenwich 0, the reference meridians 100..145.
class Meridian {
public:
    explicit constexpr Meridian(int degreesEast) : degrees_(degreesEast) {}
    static constexpr Meridian Greenwich() { return Meridian(0); }

    constexpr int degreesEast() const { return degrees_; }
    friend constexpr bool operator==(Meridian, Meridian) = default;

    // The local time of a moment here.
    constexpr LocalTime LocalTimeOf(Moment m) const;
    // A chronological Julian date counted on this meridian (a typed CJDC, say).
    constexpr LocalTime At(double cjd) const;
    // The first instant and the noon of a day here; the noon is the moment whose day is surely
    // that day, whatever rounding follows.
    constexpr LocalTime MidnightOf(DayNumber day) const;
    constexpr LocalTime NoonOf(DayNumber day) const;

private:
    // The meridian's share of a day, added to the count of Greenwich (AJD + 0.5).
    constexpr double Share() const { return degrees_ / 360.0; }
    int degrees_;
    friend class LocalTime;
};

class LocalTime {
public:
    // No time yet (a slot of a table before it is filled): midnight of day 0 at Greenwich.
    constexpr LocalTime() : cjd_(0), meridian_(Meridian::Greenwich()) {}
    // The chronological Julian date on the meridian.
    constexpr double cjd() const { return cjd_; }
    constexpr Meridian meridian() const { return meridian_; }
    // The moment this local time names.
    // (The sums are grouped as AJDToCJDL and CJDLToCJDC group them, so both give the same bits.)
    constexpr Moment moment() const { return Moment((cjd_ - meridian_.Share()) - 0.5); }
    // The day number of the civil day, held at the ends of the 32-bit day numbers for times
    // beyond them (and the lowest for no number), never wrapped.
    DayNumber day() const
    {
        const double d = std::floor(cjd_);
        if (!(d >= static_cast<double>(INT32_MIN))) return DayNumber(INT32_MIN);
        if (d > static_cast<double>(INT32_MAX)) return DayNumber(INT32_MAX);
        return DayNumber(static_cast<int32_t>(d));
    }
    // The time of day as a fraction of a day.
    double fractionOfDay() const { return cjd_ - std::floor(cjd_); }

    // The same time of day on another day, on the same meridian.
    LocalTime OnDay(DayNumber other) const { return LocalTime(other.value() + fractionOfDay(), meridian_); }

    // The same instant on another meridian.
    constexpr LocalTime On(Meridian other) const
    {
        return LocalTime((cjd_ - meridian_.Share()) + other.Share(), other);
    }
    // A span of days later or earlier, on the same meridian.
    friend constexpr LocalTime operator+(LocalTime t, double days) { return LocalTime(t.cjd_ + days, t.meridian_); }
    friend constexpr LocalTime operator-(LocalTime t, double days) { return LocalTime(t.cjd_ - days, t.meridian_); }
    // Local times compare only as moments, wherever they are counted.
    friend constexpr auto operator<=>(LocalTime a, LocalTime b) { return a.moment() <=> b.moment(); }
    friend constexpr bool operator==(LocalTime a, LocalTime b) { return a.moment() == b.moment(); }

private:
    constexpr LocalTime(double cjd, Meridian m) : cjd_(cjd), meridian_(m) {}
    double cjd_;
    Meridian meridian_;
    friend class Meridian;
};

constexpr LocalTime Meridian::LocalTimeOf(Moment m) const { return LocalTime((m.ajd() + 0.5) + Share(), *this); }
constexpr LocalTime Meridian::At(double cjd) const { return LocalTime(cjd, *this); }
constexpr LocalTime Meridian::MidnightOf(DayNumber day) const { return LocalTime(day.value(), *this); }
constexpr LocalTime Meridian::NoonOf(DayNumber day) const { return LocalTime(day.value() + 0.5, *this); }

static_assert(Meridian::Greenwich().LocalTimeOf(Moment(2451545.0)).cjd() == 2451545.5);
static_assert(Meridian(120).At(2451545.5).moment().ajd() < 2451545.0);

} // namespace orlun
