// One step of each unit: the dates it reaches, the time of day it keeps, its limits and the
// messages of a refused step.
#include <gtest/gtest.h>

#include <cmath>

#include "calendar/core/Limits.h"
#include "calendar/core/TimeScales.h"
#include "calendar/navigation/MoveLimits.h"
#include "calendar/navigation/MoveOptions.h"
#include "calendar/navigation/MoveStep.h"
#include "calendar/navigation/MoveUnits.h"
#include "calendar/presentation/DisplayModel.h"
#include "support/CalendarTestSupport.h"

using namespace orlun;

namespace {

const CalendarSettings kChina = SettingsForCountry(Country::China);

// Noon GMT of a Gregorian date.
double Noon(int y, int m, int d) { return GregorianJDN(y, m, d).value(); }

std::string LineAfter(double ajd, MoveUnit unit, bool forward, int steps = 1)
{
    MoveInputs in{unit, forward, false, false};
    MomentOutcome r = NewMoment{Moment(ajd), std::nullopt};
    for (int i = 0; i < steps && r.ok(); ++i) r = MoveStep(Moment(r->moment), in, kChina);
    if (!r.ok()) return r.refusal().title + ": " + r.refusal().text;
    return BuildDisplayTexts(Moment(r->moment), kChina).LineOfCalendar(*r->calendar).value;
}

struct StepCase {
    double from;
    MoveUnit unit;
    bool forward;
    int steps;
    const char* expected;
};

const StepCase kCases[] = {
    {Noon(2011, 1, 31), MoveUnit::CEMonth, true, 1, "2011-02-28 CE 12:00 GMT Monday"},
    {Noon(2011, 1, 31), MoveUnit::CEMonth, true, 2, "2011-03-28 CE 12:00 GMT Monday"},
    {Noon(2024, 3, 31), MoveUnit::CEMonth, false, 1, "2024-02-29 CE 12:00 GMT Thursday"},
    {Noon(2012, 2, 29), MoveUnit::CEYear, true, 1, "2013-02-28 CE 12:00 GMT Thursday"},
    {Noon(2000, 2, 29), MoveUnit::CECentury, false, 1, "1900-02-28 CE 12:00 GMT Wednesday"},
    {Noon(-3000, 6, 1), MoveUnit::CEYear, false, 1, "Out of range: Earliest admissible date reached."},
    {Noon(3000, 1, 1), MoveUnit::CEMonth, true, 1, "Out of range: Latest admissible date reached."},
    {Noon(2020, 5, 7), MoveUnit::CHLMonth, true, 2, "79-37-05-15 CHL 20:00 CCT"},
    {Noon(-2750, 6, 1), MoveUnit::CHLMonth, false, 1, "Out of range: Earliest admissible date reached."},
    {kMaxAJD, MoveUnit::CHLCycle, true, 1, "Inability: Unable to add a 60-year cycle (CHL)."},
    {Noon(2020, 5, 7), MoveUnit::CHSYear, false, 1, "79-36-10-03 CHS 20:00 CCT"},
};

TEST(MoveStep, DatesLimitsAndMessages)
{
    for (const StepCase& c : kCases)
        EXPECT_EQ(LineAfter(c.from, c.unit, c.forward, c.steps), c.expected)
            << MoveUnitText(c.unit, "CCT") << " from " << c.from;
}

TEST(MoveStep, RefusalsSayWhatTheyDoToTheMove)
{
    const MomentOutcome month = MoveStep(Moment(Noon(-2750, 6, 1)), {MoveUnit::CHLMonth, false}, kChina);
    EXPECT_EQ(month.refusal().next, AfterRefusal::EndNow);
    const MomentOutcome cycle = MoveStep(Moment(kMaxAJD), {MoveUnit::CHLCycle, true}, kChina);
    EXPECT_EQ(cycle.refusal().icon, MessageIcon::Warning);
    EXPECT_EQ(cycle.refusal().next, AfterRefusal::EndNow);
    const MomentOutcome year = MoveStep(Moment(kMaxAJD + 400), {MoveUnit::CHLYear, true}, kChina);
    EXPECT_EQ(year.refusal().text, "Unable to add a lunar year.");
    EXPECT_EQ(year.refusal().next, AfterRefusal::StopRequest);
}

// The London time of day survives a Western step, that of the reference meridian a Chinese or
// ARC step; a time step keeps the fraction it does not change.
TEST(MoveStep, TimeOfDayIsKept)
{
    const double from = Noon(2020, 5, 7) + 0.3712; // 20:54 GMT, 04:54 CCT the next day
    for (int u = 0; u < kMoveUnitCount; ++u) {
        const auto unit = MoveUnitRows()[u].unit;
        for (bool forward : {true, false}) {
            const MomentOutcome r = MoveStep(Moment(from), {unit, forward}, kChina);
            ASSERT_TRUE(r.ok()) << MoveUnitText(unit, "CCT");
            const bool western = unit == MoveUnit::CEMonth || unit == MoveUnit::CEYear ||
                                 unit == MoveUnit::CECentury || unit == MoveUnit::JCCycle;
            const LocalTime before = western ? AJDToCJDL(Moment(from)) : AJDToCJDC(Moment(from), Meridian(120));
            const LocalTime after = western ? AJDToCJDL(r->moment) : AJDToCJDC(r->moment, Meridian(120));
            const double shift = unit == MoveUnit::Minute ? 1.0 / 1440 : unit == MoveUnit::Hour ? 1.0 / 24 : 0;
            const double change = after.fractionOfDay() - before.fractionOfDay() - (forward ? shift : -shift);
            EXPECT_NEAR(change - std::round(change), 0.0, 1e-6)
                << MoveUnitText(unit, "CCT") << (forward ? " forward" : " back");
        }
    }
}

TEST(MoveLimits, OneDayAndTheRangeTest)
{
    EXPECT_EQ(OneDayStep(Moment(kMinAJD), false).refusal().text, "Earliest date reached.");
    EXPECT_EQ(OneDayStep(Moment(kMaxAJD), true).refusal().text, "Latest date reached.");
    EXPECT_DOUBLE_EQ(OneDayStep(Moment(kMinAJD + 1), false)->moment.ajd(), kMinAJD);
    EXPECT_FALSE(RangeExceeded(Moment(kMinAJD)).has_value());
    EXPECT_EQ(RangeExceeded(Moment(kMinAJD - 1e-9))->text, "Earliest date exceeded.");
    EXPECT_EQ(RangeExceeded(Moment(kMaxAJD + 1.0 / 1440))->text, "Latest date exceeded.");
}

TEST(MoveOptions, KeepOptionsAndUnitTexts)
{
    const std::optional<ChineseLunarDate> day30 = ChineseLunarDate{79, 37, {4, true}, 30, kEpochHuangdi};
    EXPECT_TRUE(Keep30thApplies(day30, MoveUnit::CHLMonth, true));
    EXPECT_FALSE(Keep30thApplies(day30, MoveUnit::CHLMonth, false));
    EXPECT_FALSE(Keep30thApplies(day30, MoveUnit::CHSYear, true));
    EXPECT_TRUE(KeepLeapApplies(day30, MoveUnit::CHLCycle, true));
    EXPECT_FALSE(KeepLeapApplies(day30, MoveUnit::CHLMonth, true));
    EXPECT_EQ(RefreshPeriodMilliseconds("0.5"), 500);
    EXPECT_EQ(MoveUnitFromText("ARC year (JST)", "JST"), MoveUnit::ARCYear);
    EXPECT_FALSE(MoveUnitFromText("ARC year", "CCT").has_value());
}

// Far outside the supported years a moment has no Chinese date: its lines stay empty.
TEST(MoveStep, FarOutsideTheRangeTheChineseLinesAreEmpty)
{
    const DisplayTexts t = BuildDisplayTexts(Moment(600000.0), kChina);
    EXPECT_EQ(t.chineseLunar.value, "");
    EXPECT_EQ(t.chineseSolar.value, "");
    EXPECT_EQ(t.yearNumber.value, "");
    EXPECT_EQ(MoveStep(Moment(600000.0), {MoveUnit::CHLMonth, true}, kChina).refusal().text, "Lunar date is invalid.");
    EXPECT_TRUE(MoveStep(Moment(600000.0), {MoveUnit::CEYear, true}, kChina).ok());
}

} // namespace
