// The rows of the move units: the number each keeps in the state file, its list text, the options
// that apply to it and the calendar its step makes current.
#include <gtest/gtest.h>

#include "calendar/core/CalendarRows.h"
#include "calendar/navigation/MoveOptions.h"
#include "calendar/navigation/MoveStep.h"
#include "calendar/navigation/MoveUnits.h"
#include "support/CalendarTestSupport.h"

using namespace orlun;

namespace {

const CalendarSettings kChina = SettingsForCountry(Country::China);
constexpr double kStart = 2456334.0; // 2013-02-10 12:00 GMT, a CHL day 1 outside a leap month

struct UnitCase {
    MoveUnit unit;
    int stored;       // in the state file: never changes
    const char* text; // the list text with the zone code "JST"
    bool keep30th;
    bool keepLeap;
    int calendar;     // the row the step makes current; -1 keeps it
};

const UnitCase kUnits[] = {
    {MoveUnit::Minute, 0, "minute", false, false, -1},
    {MoveUnit::Hour, 1, "hour", false, false, -1},
    {MoveUnit::Day, 2, "day", false, false, -1},
    {MoveUnit::CEMonth, 3, "CE month", false, false, kRowCE},
    {MoveUnit::CEYear, 4, "CE year", false, false, kRowCE},
    {MoveUnit::CECentury, 5, "CE century", false, false, kRowCE},
    {MoveUnit::CHLMonth, 6, "CHL month", true, false, kRowCHL},
    {MoveUnit::CHLYear, 7, "CHL year", true, true, kRowCHL},
    {MoveUnit::CHLCycle, 8, "60-year cycle (CHL)", true, true, kRowCHL},
    {MoveUnit::CHSTerm, 9, "CHS solar term", false, false, kRowCHS},
    {MoveUnit::CHSYear, 10, "CHS year", false, false, kRowCHS},
    {MoveUnit::CHSCycle, 11, "60-year cycle (CHS)", false, false, kRowCHS},
    {MoveUnit::DayCycle, 12, "60-day cycle", false, false, -1},
    {MoveUnit::JCCycle, 13, "80-year cycle (JC)", false, false, kRowJC},
    {MoveUnit::ARCMonth, 14, "ARC month (JST)", false, false, kRowARCCCT},
    {MoveUnit::ARCYear, 15, "ARC year (JST)", false, false, kRowARCCCT},
};

} // namespace

TEST(MoveUnitRows, EveryUnitHasOneRowInListOrder)
{
    ASSERT_EQ(MoveUnitRows().size(), std::size(kUnits));
    for (size_t i = 0; i < std::size(kUnits); ++i) {
        const UnitCase& c = kUnits[i];
        EXPECT_EQ(MoveUnitRows()[i].unit, c.unit) << "row " << i;
        EXPECT_EQ(MoveUnitRows()[i].stored, c.stored) << c.text;
        EXPECT_NE(MoveUnitRows()[i].step, nullptr) << c.text;
        EXPECT_EQ(MoveUnitAt(c.stored), c.unit) << c.text;
        EXPECT_EQ(MoveUnitText(c.unit, "JST"), c.text);
        EXPECT_EQ(MoveUnitFromText(c.text, "JST"), c.unit) << c.text;
    }
}

TEST(MoveUnitRows, KeepOptionsAndTheCalendarEachStepMakesCurrent)
{
    const std::optional<ChineseLunarDate> leap30 = ChineseLunarDate{79, 37, {4, true}, 30, kEpochHuangdi};
    for (const UnitCase& c : kUnits) {
        EXPECT_EQ(Keep30thApplies(leap30, c.unit, true), c.keep30th) << c.text;
        EXPECT_EQ(KeepLeapApplies(leap30, c.unit, true), c.keepLeap) << c.text;
        for (const bool forward : {true, false}) {
            const MomentOutcome r = MoveStep(Moment(kStart), {c.unit, forward}, kChina);
            ASSERT_TRUE(r.ok()) << c.text << ": " << r.refusal().text;
            EXPECT_EQ(r->calendar ? int{*r->calendar} : -1, c.calendar) << c.text; // -1: none
            EXPECT_EQ(r->moment > Moment(kStart), forward) << c.text << " moved the wrong way";
        }
    }
}

// A number that names no unit (a damaged list index) is refused, never stepped by another unit.
TEST(MoveUnitRows, NumbersThatNameNoUnit)
{
    for (const int stored : {-1, 16, 1000}) {
        EXPECT_FALSE(MoveUnitAt(stored).has_value()) << stored;
        const auto unit = static_cast<MoveUnit>(stored);
        EXPECT_EQ(MoveUnitText(unit, "CCT"), "") << stored;
        const MomentOutcome r = MoveStep(Moment(kStart), {unit, true}, kChina);
        ASSERT_FALSE(r.ok()) << stored;
        EXPECT_EQ(r.refusal().text, "Unknown move step.");
        EXPECT_EQ(r.refusal().next, AfterRefusal::EndNow);
    }
    EXPECT_FALSE(MoveUnitFromText("ARC month (CCT)", "JST").has_value());
}
