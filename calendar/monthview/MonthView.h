// The lunar month drawn as a calendar: which days fill which cells, the texts of each cell, the
// title and the Common Era year-and-month label. The window and orlun-cli draw from this alone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calendar/core/ChineseDate.h"
#include "calendar/core/Settings.h"
#include "calendar/native/Language.h"

namespace orlun {

struct MonthViewCell {
    int cell = 0;          // 0..31, see MonthGrid.h
    int day = 0;           // lunar day 1..30
    DayNumber jdn;         // CJDC day number
    std::string dayText;   // "7 " (one blank after a number below 10), "12"
    std::string ceText;    // "Sat Oct 15"
    std::string arcText;   // "Apollo 5"
    std::string noteText;  // in a native script: the day's term and rokuyō (NativeMonthView.h); "" in English
    int term = 0;          // the solar term that begins this day (1 = the winter solstice), 0 for none
    bool weekend = false;  // Saturday or Sunday
    bool today = false;    // the day of the system clock's date
};

struct MonthView {
    DayNumber firstDay;           // day number of day 1
    int length = 0;               // 29 or 30; 0 when the month lies outside the computed range
    std::optional<DayNumber> previousFirstDay; // day 1 of the month before; none outside the range
    std::optional<DayNumber> nextFirstDay;     // day 1 of the month after; none outside the range
    std::string title;            // the month's long CHL form
    std::string yearAndMonth;     // "Common Era year 2013, month of February" and the like
    ChineseLunarDate lunar;       // the CHL date of day 1
    Language language = Language::English; // of the title and the cells' day texts and notes
    std::vector<MonthViewCell> cells; // the visible cells in order

    bool ok() const { return length > 0; }
};

// Day 1 of the lunar month that contains the CJDC moment; nullopt outside the computed range.
std::optional<DayNumber> FirstDayOfMonthAt(LocalTime cjdc, const CalendarSettings& settings);

// The month whose day 1 is firstDay; todayJdn marks today's cell.
MonthView MonthViewOf(DayNumber firstDay, DayNumber todayJdn, const CalendarSettings& settings);

// The Common Era label of a month running from the first to the last day number.
std::string YearAndMonthText(DayNumber firstJdn, DayNumber lastJdn);

// The cell texts of a day number.
std::string CellDayText(int day);
std::string CellCEText(DayNumber jdn);
std::string CellARCText(DayNumber jdn);

} // namespace orlun
