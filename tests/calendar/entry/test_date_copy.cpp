// Copying a displayed value into the date entry fields.
#include <gtest/gtest.h>

#include "calendar/entry/DateCopy.h"

using namespace orlun;

TEST(DateCopy, WesternAndChineseLinesGiveTheDateUpToTheDesignationAndTheTime)
{
    const struct {
        CalendarRow row;
        const char* value;
        const char* date;
        const char* time;
        int zone;
        bool clears;
    } cases[] = {
        {kRowCE, "2001-12-31 CE 02:32 GMT Monday", "2001-12-31 CE", "02:32", 0, true},
        {kRowJC, "2001-12-18 JC 02:32 GMT Monday", "2001-12-18 JC", "02:32", 0, true},
        {kRowCE, "-100-01-01 CE 23:59 GMT Friday", "-100-01-01 CE", "23:59", 0, true},
        {kRowCE, "12,345-06-07 CE 00:00 GMT Sunday", "12,345-06-07 CE", "00:00", 0, true},
        {kRowCHL, "79-30-01-01 CHL 20:00 CCT", "79-30-01-01 CHL", "20:00", 1, false},
        {kRowCHS, "79-30-04-01 CHS (J1) 20:00", "79-30-04-01 CHS", "20:00", 1, false},
        {kRowARCGMT, "4710-01-02 ARC 12:00 GMT Zidu", "4710-01-02 ARC", "12:00", 0, true},
        {kRowARCCCT, "4710-01-02 ARC 20:00 CCT Zidu", "4710-01-02 ARC", "20:00", 1, true},
    };
    for (const auto& c : cases) {
        const EntryFields f = EntryFromDisplayedValue(c.row, c.value);
        EXPECT_EQ(f.date, c.date) << c.value;
        EXPECT_EQ(f.time, c.time) << c.value;
        EXPECT_EQ(f.zoneIndex, c.zone) << c.value;
        EXPECT_EQ(f.clearElementAnimal, c.clears) << c.value;
    }
}

TEST(DateCopy, DayCountsAreCopiedWhole)
{
    for (CalendarRow row : {kRowAJD, kRowCJDC, kRowCJDL}) {
        const EntryFields f = EntryFromDisplayedValue(row, "2,455,901.2920 CJDC");
        EXPECT_EQ(f.date, "2,455,901.2920 CJDC");
        EXPECT_EQ(f.time, "");
        EXPECT_EQ(f.zoneIndex, -1);
        EXPECT_TRUE(f.clearElementAnimal);
    }
}

TEST(DateCopy, OddTextsDoNotBreakIt)
{
    EXPECT_EQ(EntryFromDisplayedValue(kRowCE, "").date, "");
    EXPECT_EQ(EntryFromDisplayedValue(kRowCE, ":").time, "");     // no room before the ":"
    EXPECT_EQ(EntryFromDisplayedValue(kRowCE, "1:").time, "");
    EXPECT_EQ(EntryFromDisplayedValue(kRowCE, "12:3").time, "12:3"); // cut at the end
    EXPECT_EQ(EntryFromDisplayedValue(kRowCE, "no designation").date, "no designation");
}
