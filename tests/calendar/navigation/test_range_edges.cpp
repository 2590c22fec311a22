// Every loop over days, months, years and lunations ends at the admissible range: the moves, the
// lists, the month view's steps and the self-test, started on the first and the last admissible
// day in both directions.
#include <gtest/gtest.h>

#include "calendar/core/Limits.h"
#include "calendar/core/TimeScales.h"
#include "calendar/entry/DateEntryMessages.h"
#include "calendar/monthview/MonthView.h"
#include "calendar/navigation/MoveLimits.h"
#include "calendar/navigation/MoveStep.h"
#include "calendar/navigation/MoveUnits.h"
#include "calendar/presentation/DisplayModel.h"
#include "calendar/tables/EuroNewYearList.h"
#include "calendar/tables/LunarNewYearList.h"
#include "calendar/tables/MonthStartList.h"
#include "calendar/tables/SelfTest.h"

namespace orlun {
namespace {

struct Edge {
    const char* name;
    double ajd;
    bool forward;
    bool outward; // the direction leaves the range
};
const Edge kEdges[] = {
    {"first day, back", kMinAJD, false, true},
    {"first day, forward", kMinAJD, true, false},
    {"last day, forward", kMaxAJD, true, true},
    {"last day, back", kMaxAJD, false, false},
};

// The steps of a repeated move until it ends: the message that ends it ("" when it has not ended
// after maxSteps steps).
std::string RepeatedMoveEnd(double ajd, const MoveInputs& in, const CalendarSettings& settings, int maxSteps)
{
    for (int step = 0; step < maxSteps; ++step) {
        const MomentOutcome r = MoveStep(Moment(ajd), in, settings);
        if (!r.ok()) return r.refusal().text;
        ajd = r->moment.ajd();
        if (const auto exceeded = RangeExceeded(Moment(ajd))) return exceeded->text;
    }
    return "";
}

TEST(RangeEdges, aRepeatedMoveOutOfTheRangeEndsWithAMessageAndOneIntoItStaysInside)
{
    const CalendarSettings settings = SettingsForCountry(Country::China);
    for (int u = 0; u < kMoveUnitCount; ++u) {
        for (const Edge& edge : kEdges) {
            MoveInputs in;
            in.unit = MoveUnitRows()[u].unit;
            in.forward = edge.forward;
            SCOPED_TRACE(std::string(edge.name) + ", unit " + std::to_string(u));
            if (edge.outward) {
                EXPECT_FALSE(RepeatedMoveEnd(edge.ajd, in, settings, 2).empty()) << "the move did not end";
                continue;
            }
            const MomentOutcome r = MoveStep(Moment(edge.ajd), in, settings);
            ASSERT_TRUE(r.ok()) << r.refusal().text;
            EXPECT_EQ(CheckDateRange(Moment(r->moment)), RangeCheck::InRange);
        }
    }
}

TEST(RangeEdges, oneDayRefusesToLeaveAndLeavesTheMoment)
{
    EXPECT_FALSE(OneDayStep(Moment(kMinAJD), false).ok());
    EXPECT_EQ(OneDayStep(Moment(kMinAJD), false).refusal().text, "Earliest date reached.");
    EXPECT_FALSE(OneDayStep(Moment(kMaxAJD), true).ok());
    EXPECT_EQ(OneDayStep(Moment(kMaxAJD), true).refusal().text, "Latest date reached.");
    EXPECT_EQ(OneDayStep(Moment(kMinAJD), true)->moment.ajd(), kMinAJD + 1);
    EXPECT_EQ(OneDayStep(Moment(kMaxAJD), false)->moment.ajd(), kMaxAJD - 1);
}

// Runs a list to its end; at most one call per year asked for and a few more.
void RunsToItsEnd(YearList& list, int years)
{
    int calls = 0;
    std::string text;
    while (list.Next(text)) ASSERT_LE(++calls, years + 3) << "the list did not end";
    if (list.Done() < list.Total()) {
        EXPECT_FALSE(list.Message().empty()) << "cut short without a word";
    }
}

TEST(RangeEdges, theListsEndAtTheRange)
{
    const CalendarSettings settings = SettingsForCountry(Country::China);
    constexpr int kYears = 40;
    for (const double ajd : {kMinAJD, kMaxAJD}) {
        SCOPED_TRACE(ajd);
        const std::string chl = BuildDisplayTexts(Moment(ajd), settings).chineseLunar.value;
        LunarNewYearList lunar(chl, kYears, false, false, settings);
        RunsToItsEnd(lunar, kYears);
        const int year = ajd == kMinAJD ? kMinYear : kMaxYear;
        MonthStartList months(year, kYears, false, false, settings);
        RunsToItsEnd(months, kYears);
        EuroNewYearList euro(year, kYears, false, settings);
        RunsToItsEnd(euro, kYears);
    }
}

TEST(RangeEdges, theMonthViewStepsEndAtTheRange)
{
    const CalendarSettings settings = SettingsForCountry(Country::China);
    for (const bool forward : {false, true}) {
        const double ajd = forward ? kMaxAJD : kMinAJD + 40;
        const std::optional<DayNumber> first = FirstDayOfMonthAt(AJDToCJDC(Moment(ajd), settings.meridian), settings);
        ASSERT_TRUE(first.has_value());
        DayNumber day = *first;
        int steps = 0;
        for (;;) {
            const MonthView view = MonthViewOf(day, DayNumber(0), settings);
            ASSERT_TRUE(view.ok()) << "day " << day.value() << ", step " << steps;
            const std::optional<DayNumber> next = forward ? view.nextFirstDay : view.previousFirstDay;
            if (!next) break; // the button has nowhere to go
            ASSERT_LE(++steps, 3) << "stepping did not stop at the range";
            day = *next;
        }
    }
    // The month of the very first admissible day began before it: there is none to draw.
    EXPECT_FALSE(FirstDayOfMonthAt(AJDToCJDC(kEarliestMoment, settings.meridian), settings).has_value());
}

TEST(RangeEdges, theSelfTestConvertsTheFirstAndLastDaysBothWays)
{
    const CalendarSettings settings = SettingsForCountry(Country::China);
    for (const double ajd : {kMinAJD, kMaxAJD}) {
        bool failed = false;
        const std::string marks = CheckMoment(AJDToCJDC(Moment(ajd), settings.meridian), settings, failed);
        EXPECT_FALSE(failed) << marks;
        EXPECT_EQ(marks, "11") << ajd;
    }
}

} // namespace
} // namespace orlun
