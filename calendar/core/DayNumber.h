// A Julian day number: the whole day on some meridian, counted from -4712-01-01 (Julian) as 0;
// 2000-01-01 is day 2451545. The meridian is the caller's (CJDC days at the reference meridian,
// CJDL days at Greenwich); a day number is not a moment and does not convert to one implicitly.
#pragma once

#include <compare>
#include <cstdint>

namespace orlun {

class DayNumber {
public:
    constexpr DayNumber() = default;
    explicit constexpr DayNumber(int32_t value) : value_(value) {}

    constexpr int32_t value() const { return value_; }

    friend constexpr auto operator<=>(DayNumber, DayNumber) = default;
    // Days later or earlier; two day numbers are never added.
    friend constexpr DayNumber operator+(DayNumber d, int32_t days) { return DayNumber(d.value_ + days); }
    friend constexpr DayNumber operator-(DayNumber d, int32_t days) { return DayNumber(d.value_ - days); }
    // The days from b to a, in 64 bits so that any two 32-bit day numbers can be compared.
    friend constexpr int64_t operator-(DayNumber a, DayNumber b) { return int64_t{a.value_} - b.value_; }

private:
    int32_t value_ = 0;
};

static_assert(DayNumber(2451545) + 1 == DayNumber(2451546));
static_assert(DayNumber(2451545) - DayNumber(2451544) == 1);

} // namespace orlun
