// orlun-cli days reads a whole Common Era date: "CE" after it is allowed; another calendar's code,
// a time or any other text after it is refused rather than dropped.
#include <gtest/gtest.h>

#include "calendar/western/DatePr2.h"
#include "days/DayArgument.h"

namespace orlun::cli {
namespace {

struct ArgumentCase {
    const char* text;
    DayArgumentStatus status;
    const char* calendar; // the other calendar's code, or the ISO date read
};

TEST(DayArgument, ReadsTheWholeTextAsACommonEraDate)
{
    using enum DayArgumentStatus;
    const ArgumentCase cases[] = {
        {"2025-01-03", Date, "2025-01-03"},
        {"2025-01-03 CE", Date, "2025-01-03"},
        {" 2025-01-03ce\t", Date, "2025-01-03"},
        {"2025 - 01 - 03 Ce", Date, "2025-01-03"},
        {"-3000-01-01", Date, "-3000-01-01"},
        {"-44-03-15 CE", Date, "-44-03-15"},
        {"2025-01-03 JC", OtherCalendar, "JC"},
        {"2025-01-03jc", OtherCalendar, "JC"},
        {"79-30-01-01 CHL", OtherCalendar, "CHL"},
        {"2025-01-03 ARCGMT", OtherCalendar, "ARCGMT"},
        {"2455900 AJD", OtherCalendar, "AJD"},
        {"2025-01-03x", NotADate, ""},
        {"2025-01-03 CEx", NotADate, ""},
        {"2025-01-03 CE CE", NotADate, ""},
        {"2025-01-03 x CE", NotADate, ""},
        {"2025-01-03漢", NotADate, ""},
        {"2025-01-03\xff", NotADate, ""},
        {"2025-01-03 12:00", NotADate, ""},
        {"2025/01/03", NotADate, ""},
        {"2025-02-29", NotADate, ""},
        {"2025-01", NotADate, ""},
        {"CE", NotADate, ""},
        {"", NotADate, ""},
    };
    for (const ArgumentCase& c : cases) {
        const DayArgument read = ReadDayArgument(c.text);
        EXPECT_EQ(read.status, c.status) << c.text;
        if (c.status == OtherCalendar) {
            EXPECT_EQ(read.calendar, c.calendar) << c.text;
        } else if (c.status == Date) {
            EXPECT_EQ(DateText(GregorianDate(read.day)), c.calendar) << c.text;
        }
    }
}

} // namespace
} // namespace orlun::cli
