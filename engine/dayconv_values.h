// The date-conversion library's functions on the calculators' date values: the Western date
// record is filled and read here, so that no calculator handles it.
#pragma once

#include <cstdint>
#include <string>

#include "calendar/core/DayNumber.h"
#include "calendar/core/WesternDate.h"

namespace orlun {

// euro_date_to_jdn: fields counted as given (month 13 counts on into the next year).
DayNumber EuroDateToJDN(const WesternDate& date);
// jdn_to_euro_date: exact for every 32-bit day number.
WesternDate JDNToEuroDate(DayNumber day, WesternCalendar calendar);

// str_to_date of a year-month-day text under a calendar letter ('G', 'J' or 'R' for the
// Zodozizidu Zidevuze): code 0 with the fields read, -5 for a year out of range, -1 otherwise.
struct EuroDateFields {
    int32_t code = -1;
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
};
EuroDateFields EuroDateFromText(const std::string& text, uint16_t calendarLetter);

} // namespace orlun
