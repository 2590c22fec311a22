// Reading a typed date: the date field with its designation, the time field, the time zone and the
// element-animal lists, turned into one moment (AJD) or a date-entry error code.
//
// The parse is a plain function of the entry fields, the settings and one Yes/No question; it
// shows nothing. It returns the fields as they stand after the parse (trimmed and upper-cased date,
// designation appended, "12:00" for an empty time, the time of a day count, the zone chosen, the
// current calendar) and the window writes them back, failure or not, because an entry that failed
// halfway keeps what the steps before the failure wrote.
#pragma once

#include <functional>
#include <string>

#include "calendar/core/CalendarRows.h"
#include "calendar/core/Outcome.h"
#include "calendar/entry/DateCopy.h"
#include "calendar/entry/DateEntryMessages.h"
#include "calendar/entry/DateEntryNumbers.h"
#include "calendar/core/Settings.h"

namespace orlun {

// The empty last items of the element and animal lists.
inline constexpr int kNoElementItem = 5;
inline constexpr int kNoAnimalItem = 12;

// The entry fields of the main window.
struct DateEntry {
    std::string date;           // the date field as typed
    std::string time;           // the time field
    int zoneIndex = -1;         // time-zone list: 0 GMT, 1 the reference zone, -1 none
    int element = kNoElementItem; // element list: 0..4 wood..water, 5 the empty item
    int animal = kNoAnimalItem;   // animal list: 0..11 rat..pig, 12 the empty item
    std::string plusMinus;      // the plus/minus days field
    int currentCalendar = kRowCHL; // row of the current calendar (intCalendar)
    // What a click on the value of the current calendar's display line would write into the
    // fields (EntryFromDisplayedValue). An empty date field with plus/minus days takes this date.
    EntryFields currentDisplayed;
};

struct ParseResult {
    DateEntryError errorCode = DateEntryError::None; // None: success
    Moment ajd;                 // the moment; meaningful only on success
    DateEntry fields;           // the fields after the parse, to be written back
    bool copiedDisplayedDate = false; // the displayed date of the current calendar was taken
    // A calendar branch took the date and set fields.currentCalendar; this stays so when the
    // time field then fails (code 4), and the line of that calendar is then marked too, so that
    // the marked line always names the current calendar.
    bool calendarChanged = false;
    bool highlight = false;           // the current calendar's line is to be marked
};

// The Yes/No question asked when the date carries no designation, e.g.
// "Is this a CHL Calendar date?" (title kCalendarQuestionTitle); true for Yes.
using CalendarQuestion = std::function<bool(const std::string& question)>;

// Parses the entry. Success (code 0) guarantees a finite AJD: a calendar date whose day is not
// before kMinJDN (its time and zone may still put the moment before AJD 625333.0), or a day count
// not below AJD 625333.0. The range as a whole is CheckDateRange's, after the plus/minus days.
// An empty question function counts as a question that cannot be asked (code 2).
// The element and animal lists matter only for a CHL or CHS date with "?" as its position; the
// animal names are those of settings.country, as the list shows them.
ParseResult ParseDate(const DateEntry& entry, const CalendarSettings& settings,
                      const CalendarQuestion& ask);

// The moment a parsed entry names for a move or a search to start from: the entry's moment within
// the admissible range, or the refusal of the entry error or of the range (both return to the
// date field).
Outcome<Moment> StartingMoment(const ParseResult& parsed, Country country);

// The row of a designation: the first row whose primary designation equals the name, else the
// first whose alternative does, else -1. "ARC" and "ARCGMT" give 7, "ARCCCT" 8.
int GetCalendar(const std::string& name);

} // namespace orlun
