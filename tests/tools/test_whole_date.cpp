// orlun-cli reads a typed date whole: text between a Common Era, Julian or ARC date and its code,
// or after a day count's number, which the window's reader drops, is refused with the calendar's
// date-entry error; every entry the window reads whole, or refuses, is read alike.
#include <gtest/gtest.h>

#include "WholeDate.h"

namespace orlun::cli {
namespace {

struct WholeCase {
    const char* date;
    DateEntryError window; // ConvertEntry's error (None: read)
    DateEntryError whole;  // the command line's
};

TEST(WholeDate, RefusesTheTextTheWindowDrops)
{
    using enum DateEntryError;
    const WholeCase cases[] = {
        {"2025-01-03x CE", None, InvalidCE},
        {"2025-01-03 漢 CE", None, InvalidCE},
        {"2025-01-03\xff CE", None, InvalidCE},
        {"2025-01-03 x jc", None, InvalidJC},
        {"2025-01-03? ARC", None, InvalidARC},
        {"2455900.5x AJD", None, InvalidDayCount},
        {"2455900.5E AJD", None, InvalidDayCount},
        {"x1 CJDL", NoDate, NoDate},
        {"2455900.2.3 CJDC", None, InvalidDayCount},
        // Read whole by both: blanks, thousands separators, signs, exponents.
        {" 2025 - 01 - 03 ce ", None, None},
        {"-44-03-15 JC", None, None},
        {"2,111,111 AJD", None, None},
        {"2455900.5e0 CJDL", None, None},
        {"-44.5 AJD", TooEarly, TooEarly},
        {"2.4559005E+6 AJD", None, None},
        {"+2455900 AJD", NoDate, NoDate},
        {"79-30-01-01 CHL", None, None},
        // Refused by the window already, with its own code.
        {"2025/01/03 CE", Separator, Separator},
        {"2025-01-03 12:00 CE", TimeInDate, TimeInDate},
        {"2025-01-03 CE x", NoCalendar, NoCalendar},
        {"2455900:5 AJD", TimeInDate, TimeInDate},
        {"79-30-01-01x CHL", InvalidCHL, InvalidCHL},
    };
    const CalendarSettings settings = SettingsForCountry(Country::China);
    for (const WholeCase& c : cases) {
        DateEntry entry;
        entry.date = c.date;
        const ConvertResult window = ConvertEntry(entry, true, Moment(-1.0), settings, {});
        const ConvertResult whole = ConvertWholeEntry(entry, true, Moment(-1.0), settings, {});
        EXPECT_EQ(window.outcome == ConvertOutcome::EntryError ? window.errorCode : None, c.window) << c.date;
        EXPECT_EQ(whole.outcome == ConvertOutcome::EntryError ? whole.errorCode : None, c.whole) << c.date;
        if (c.whole == None) {
            EXPECT_EQ(whole.ajd, window.ajd) << c.date;
        }
    }
}

} // namespace
} // namespace orlun::cli
