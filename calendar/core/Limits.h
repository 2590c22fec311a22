// The range of moments the program computes: the years -3000 to 3000 of the Common Era.
#pragma once

#include <cstdint>

#include "calendar/core/DayNumber.h"
#include "calendar/core/Moment.h"

namespace orlun {

// Smallest and largest day numbers for which Chinese dates are computed (-3000-01-01 and
// 3000-01-01 CE, Gregorian), and the admissible moments as AJD.
constexpr int32_t kMinJDN = 625333;
constexpr int32_t kMaxJDN = 2816788;
constexpr double kMinAJD = 625333.0;
constexpr double kMaxAJD = 2816788.0;
// The same bounds as day numbers and as moments.
constexpr DayNumber kFirstSupportedDay{kMinJDN};
constexpr DayNumber kLastSupportedDay{kMaxJDN};
constexpr Moment kEarliestMoment{kMinAJD};
constexpr Moment kLatestMoment{kMaxAJD};
constexpr int kMinYear = -3000;
constexpr int kMaxYear = 3000;

// Lunations that begin within a month or so of that range (lunation 0 begins 2000-01-06).
constexpr int32_t kMinLunation = -61900;
constexpr int32_t kMaxLunation = 12400;

} // namespace orlun
