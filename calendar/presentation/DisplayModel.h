// Every text the main window shows for one moment, built in one place from the moment and the
// settings. The window, the command-line front end and the log all show what this returns.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calendar/core/CalendarRows.h"
#include "calendar/core/ChineseDate.h"
#include "calendar/astro/MoonData.h"
#include "calendar/core/Settings.h"

namespace orlun {

// One display line: a caption label and a value label, named after the window's control pair.
struct DisplayLine {
    std::string control; // the control name of the pair, e.g. "lblCommonEraDate"
    std::string caption; // text of the caption label (index 0)
    std::string value;   // text of the value label (index 1)
    std::string toolTip; // tool tip of the value label; empty when the line has none
};

// The texts of the display lines for one moment.
struct DisplayTexts {
    Moment ajd;     // the moment (UT)
    LocalTime cjdl; // its local time in London: AJD + 0.5
    LocalTime cjdc; // its local time at the reference meridian: CJDL + L/360

    DisplayLine chineseLunar;   // lblChineseLunarDate
    DisplayLine chineseSolar;   // lblChineseSolarDate
    DisplayLine commonEra;      // lblCommonEraDate
    DisplayLine julianCalendar; // lblJulianCalendarDate
    DisplayLine arcGMT;         // lblArchetypesCalendarGMT: the ARC date of the London day
    DisplayLine arcReference;   // lblArchetypesCalendarCCT: that of the reference meridian's day;
                                // its caption is the note comparing it with the CHL date
    DisplayLine cjdLondon;      // lblChronologicalJulianDateLondon
    DisplayLine cjdReference;   // lblChronologicalJulianDateBeijing
    DisplayLine astronomicalJD; // lblAstronomicalJulianDate
    DisplayLine elementAnimalOfDay; // lblElementAnimalOfDay: pinyin name, "metal-monkey day"
    DisplayLine phaseOfMoon;    // lblPhaseOfMoon
    DisplayLine ageOfMoon;      // lblAgeOfMoon
    DisplayLine deltaT;         // lblDeltaT

    // Single labels, without captions: the year's and the month's element-animal and the year.
    DisplayLine elementAnimalOfYear;  // lblElementAnimalOfYear: "gui-si water-snake year"
    DisplayLine elementAnimalOfMonth; // lblElementAnimalOfMonth: "jia-yin wood-tiger month"
    DisplayLine yearNumber;           // lblYear: "Year 4710"

    std::optional<ChineseLunarDate> chl; // the CHL and CHS dates of the CJDC day, when it has them
    std::optional<ChineseSolarDate> chs;
    int yearPosition = 0;       // the CHL year's place in the sexagenary cycle, 1..60
    int dayPosition = 0;        // the CJDC day's place in the sexagenary cycle, 1..60
    MoonData moon;              // the Moon data behind the two Moon lines and the picture

    // Every line in window order, top to bottom.
    std::vector<const DisplayLine*> Lines() const;
    // The line of a calendar row (CE, JC, CHL, CHS, AJD, CJDC, CJDL, ARC GMT, ARC CCT).
    const DisplayLine& LineOfCalendar(CalendarRow row) const;
};

// Builds every display text for the moment ajd (UT) under the settings.
DisplayTexts BuildDisplayTexts(Moment ajd, const CalendarSettings& settings);

// Caption of the CJDC line: "Chronological JD 120º East".
std::string CJDCCaption(Meridian reference);

// Delta T as a duration: "1 minute", "1 hour and 5 minutes", "2 hours", "1 day", "0 minutes",
// or "More than 24 hours" above 1440 minutes.
std::string DeltaTText(double minutes);

} // namespace orlun
