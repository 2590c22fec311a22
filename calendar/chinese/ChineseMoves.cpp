#include "calendar/chinese/ChineseMoves.h"

#include <array>
#include <utility>

#include "calendar/chinese/Orlun3.h"
#include "calendar/core/CountStep.h"
#include "calendar/core/CycleCounts.h"

namespace orlun {

namespace {

constexpr int kLastDay = 30;
constexpr int kShortLastDay = 29;

bool Valid(const ChineseLunarDate& rec, const CalendarSettings& s) { return ChLDateToJDN(rec, s).found(); }

// The month and leap flag as they stand, tried with their day and, on day 30, with day 29; on
// failure day 30 is put back.
bool TryDayOr29(ChineseLunarDate& rec, const CalendarSettings& s)
{
    if (Valid(rec, s)) return true;
    if (rec.day != kLastDay) return false;
    rec.day = kShortLastDay;
    if (Valid(rec, s)) return true;
    rec.day = kLastDay;
    return false;
}

// A day 29 goes back to 30 where the month has a 30th.
void RestoreDay30(ChineseLunarDate& rec, bool keep30, const CalendarSettings& s)
{
    if (!keep30 || rec.day != kShortLastDay) return;
    const ChineseLunarDate before = rec;
    rec.day = kLastDay;
    if (!Valid(rec, s)) rec = before;
}

// The leap month of the same number, where the target year has one.
void PreferLeap(ChineseLunarDate& rec, bool preferLeap, const CalendarSettings& s)
{
    if (!preferLeap || rec.month.leap) return;
    const ChineseLunarDate before = rec;
    rec.month.leap = true;
    if (Valid(rec, s)) return;
    if (rec.day == kLastDay) {
        rec.day = kShortLastDay;
        if (Valid(rec, s)) return;
    }
    rec = before;
}

bool MonthForward(ChineseLunarDate& rec, const CalendarSettings& s)
{
    if (!rec.month.leap) {
        rec.month.leap = true;
        if (TryDayOr29(rec, s)) return true;
    }
    rec.month.leap = false;
    ++rec.month.number;
    if (TryDayOr29(rec, s)) return true;
    StepCyclePosition(rec, true);
    rec.month.number = 1;
    return TryDayOr29(rec, s);
}

// The first of the candidate months (number, leap) that holds the day or, on day 30, day 29.
template <size_t N>
bool FirstValidMonth(ChineseLunarDate& rec, const std::array<std::pair<int, int>, N>& months,
                     const CalendarSettings& s)
{
    for (const auto& [month, leap] : months) {
        rec.month.number = month;
        rec.month.leap = leap != 0;
        if (TryDayOr29(rec, s)) return true;
    }
    return false;
}

bool MonthBackward(ChineseLunarDate& rec, const CalendarSettings& s)
{
    if (rec.month.leap) {
        rec.month.leap = false;
        if (Valid(rec, s)) return true;
        rec.day = kShortLastDay;
        return Valid(rec, s);
    }
    if (rec.month.number == 1) {
        StepCyclePosition(rec, false);
        static constexpr std::array<std::pair<int, int>, 6> kYearEnd = {
            {{12, 1}, {12, 0}, {11, 1}, {11, 0}, {10, 1}, {10, 0}}};
        return FirstValidMonth(rec, kYearEnd, s);
    }
    const int previous = rec.month.number - 1;
    return FirstValidMonth(rec, std::array<std::pair<int, int>, 2>{{{previous, 1}, {previous, 0}}},
                           s);
}

// After the year or cycle has changed: the nearest valid date of the same month and day.
bool SettleYearMove(ChineseLunarDate& rec, bool keep30, bool preferLeap, const CalendarSettings& s)
{
    // Day 30 of a 29-day month becomes 29 in the same month; that date still gets the leap
    // preference, or keep leap would miss a leap month whenever the ordinary one is short.
    if (TryDayOr29(rec, s)) {
        PreferLeap(rec, preferLeap, s);
    } else {
        rec.month.leap = false; // the ordinary month may still have the 30th the leap month lacked
        if (!TryDayOr29(rec, s)) return false;
    }
    RestoreDay30(rec, keep30, s);
    return true;
}

} // namespace

bool CHLMoveMonth(ChineseLunarDate& rec, bool forward, bool keep30, const CalendarSettings& settings)
{
    if (!(forward ? MonthForward(rec, settings) : MonthBackward(rec, settings))) return false;
    RestoreDay30(rec, keep30, settings);
    return true;
}

bool CHLMoveYear(ChineseLunarDate& rec, bool forward, bool keep30, bool preferLeap,
                 const CalendarSettings& settings)
{
    StepCyclePosition(rec, forward);
    return SettleYearMove(rec, keep30, preferLeap, settings);
}

bool CHLMoveCycle(ChineseLunarDate& rec, bool forward, bool keep30, bool preferLeap,
                  const CalendarSettings& settings)
{
    rec.cycle += forward ? 1 : -1;
    return SettleYearMove(rec, keep30, preferLeap, settings);
}

bool CHSMoveYear(ChineseSolarDate& rec, bool forward, const CalendarSettings& settings)
{
    StepCyclePosition(rec, forward);
    if (ChSDateToJDN(rec, settings).has_value()) return true;
    --rec.day;
    if (ChSDateToJDN(rec, settings).has_value()) return true;
    --rec.day;
    return ChSDateToJDN(rec, settings).has_value();
}

bool CHSMoveTerm(ChineseSolarDate& rec, bool forward, bool byCycle, const CalendarSettings& settings)
{
    constexpr int kTerms = kTermsPerYear;
    if (byCycle) {
        rec.cycle += forward ? 1 : -1;
    } else if (forward && rec.term >= kTerms) {
        rec.term = 1;
        StepCyclePosition(rec, true);
    } else if (!forward && rec.term <= 1) {
        rec.term = kTerms;
        StepCyclePosition(rec, false);
    } else {
        rec.term += forward ? 1 : -1;
    }
    if (ChSDateToJDN(rec, settings).has_value()) return true;
    --rec.day;
    return ChSDateToJDN(rec, settings).has_value();
}

} // namespace orlun
