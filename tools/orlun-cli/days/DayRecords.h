// The records of orlun-cli days: one per day, with its dates in every calendar, its sexagenary
// names, the Moon at local noon and the solar term that begins that day.
#pragma once

#include <optional>
#include <string>

#include "calendar/astro/MoonPhaseMemo.h"
#include "calendar/astro/SolarTerms.h"
#include "calendar/core/DayNumber.h"
#include "calendar/core/Settings.h"
#include "calendar/core/WesternDate.h"
#include "calendar/native/Language.h"
#include "output/Record.h"

namespace orlun::cli {

extern const Table kDaysTable;
// kDaysTable, with the native day fields at the end when a native language is given.
Table DaysTable(std::optional<NativeLanguage> native);

// ISO 8601 text of a date: "2025-01-31", "0999-12-31", "-0044-03-15" (year 0 is 1 BC).
std::string IsoDateText(const WesternDate& date);

// Makes the records of the days of a range, in any order; the solar-term table of the last day
// and the Moon's phase instants of the last few lunations are kept, so that the days of a run
// share them.
class DayRecordMaker {
public:
    // native: the language of the native day fields the records gain; none for English.
    explicit DayRecordMaker(const CalendarSettings& settings, std::optional<NativeLanguage> native = std::nullopt);
    // The record of a day of the reference meridian, with the texts the main window shows at
    // its noon there.
    Record Of(DayNumber day);

private:
    // The table entry of the term that begins on the day; -1 when none does.
    int TermBeginningOn(DayNumber day);

    CalendarSettings settings_;
    std::optional<NativeLanguage> native_;
    SolarTermTable terms_;
    bool haveTerms_ = false;
    MoonPhaseMemo moonPhases_;
};

} // namespace orlun::cli
