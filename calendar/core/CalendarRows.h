// The calendar designation table: the rows by which the program names its calendars.
#pragma once

#include <array>
#include <string>

namespace orlun {

// Rows of the designation table; intCalendar holds one of these.
enum CalendarRow : int {
    kRowCE = 0,
    kRowJC = 1,
    kRowCHL = 2,
    kRowCHS = 3,
    kRowAJD = 4,
    kRowCJDC = 5,
    kRowCJDL = 6,
    kRowARCGMT = 7,
    kRowARCCCT = 8,
};
constexpr int kCalendarRowCount = 9;

struct CalendarDesignation {
    const char* primary;
    const char* alternative;
};

// Each row's primary and alternative designation, as typed after a date.
constexpr std::array<CalendarDesignation, kCalendarRowCount> kCalendarDesignations = {{
    {"CE", "CE"},
    {"JC", "JC"},
    {"CHL", "CHL"},
    {"CHS", "CHS"},
    {"AJD", "AJD"},
    {"CJDC", "CJDC"},
    {"CJDL", "CJDL"},
    {"ARC", "ARCGMT"},
    {"ARC", "ARCCCT"},
}};

} // namespace orlun
