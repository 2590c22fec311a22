// Lunar month starts and leap months: the first day of every lunar month (or of the leap months
// only) of a span of lunar years centred on a Common Era year, with its length.
#pragma once

#include "calendar/core/Settings.h"
#include "calendar/native/Language.h"
#include "calendar/tables/YearList.h"

namespace orlun {

inline constexpr const char* kMonthStartsCaption = "Lunar month starts & leap months";

// The first year of `years` years centred on `year`: 4 years around 2013 start in 2012, 3 too.
int FirstYearOfSpan(int year, int years);

class MonthStartList final : public YearList {
public:
    // year: the displayed Common Era year. Months that begin before the supported days are passed
    // over; the list ends at the first month that begins after them, and Message() says so. In a
    // native language each month's line ends with the native text of its first day.
    MonthStartList(int year, int years, bool leapOnly, bool julian, const CalendarSettings& settings,
                   Language language = Language::English);
    bool Next(std::string& out) override;

private:
    CalendarSettings settings_;
    int first_ = 0;
    bool leapOnly_ = false;
    bool julian_ = false;
    Language language_ = Language::English;
};

} // namespace orlun
