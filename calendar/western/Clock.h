// The present moment, read from a clock that tests can replace.
#pragma once

#include <cstdint>
#include <string>

#include "calendar/core/DayNumber.h"
#include "calendar/core/Moment.h"

namespace orlun {

// One reading of the clock: date, time and zone offset of the same instant.
struct ClockReading {
    std::string date;          // "mm-dd-yyyy"
    std::string time;          // "hh:mm:ss", or 12-hour "h:mm:ss AM"
    int32_t secondsWest = 0;   // zone offset, positive West of Greenwich
};

// The system clock as the program reads it: the local date and time as texts and the zone offset.
class Clock {
public:
    virtual ~Clock() = default;
    // All three at once. The default asks the three functions below in turn; the system clock
    // reads them from one instant, so that midnight cannot fall between the date and the time.
    virtual ClockReading Read() const;
    // Local date as "mm-dd-yyyy".
    virtual std::string DateText() const = 0;
    // Local time, either 24-hour "hh:mm:ss" or 12-hour "h:mm:ss AM" / "h:mm:ss PM".
    virtual std::string TimeText() const = 0;
    // Local zone offset in seconds, positive West of Greenwich (dayconv's get_timezone).
    virtual int32_t TimezoneSecondsWest() const = 0;
};

// The machine's clock.
class SystemClock final : public Clock {
public:
    std::string DateText() const override;
    std::string TimeText() const override;
    int32_t TimezoneSecondsWest() const override;
    ClockReading Read() const override;
};

// The JDN of the local date of the clock (Gregorian).
DayNumber TodayJDN(const Clock& clock);

// The present moment as an astronomical Julian date (UT) from the clock's texts. A 12-hour time
// ("1:05:09 PM") is read as such; the zone offset is rounded to whole minutes.
Moment CurrentAJDate(const Clock& clock);

} // namespace orlun
