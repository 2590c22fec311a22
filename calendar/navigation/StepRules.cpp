#include "calendar/navigation/StepRules.h"

#include <optional>
#include <string>

#include "calendar/arc/ArcCal.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/core/CalendarRows.h"
#include "calendar/core/CountStep.h"
#include "calendar/core/Limits.h"
#include "calendar/core/TimeScales.h"
#include "calendar/navigation/MoveRefusal.h"
#include "calendar/western/DatePr2.h"

namespace orlun {

namespace {

constexpr int kMinCycle = 0;
constexpr int kMaxCycle = 96;
constexpr int kMonthsPerYear = 12;

MomentOutcome Moved(Moment ajd, std::optional<CalendarRow> calendar) { return NewMoment{ajd, calendar}; }

MomentOutcome Refused(std::string title, std::string text, MessageIcon icon, AfterRefusal next)
{
    return Refusal{std::move(title), std::move(text), icon, next};
}

// Going back from the lower limit or forward from the upper one.
bool AtLimit(int value, int lower, int upper, bool forward)
{
    return forward ? value >= upper : value <= lower;
}

MomentOutcome LimitReached(bool forward)
{
    return Refused(kOutOfRangeTitle,
                   forward ? "Latest admissible date reached." : "Earliest admissible date reached.",
                   MessageIcon::None, AfterRefusal::EndNow);
}

// "Unable to add a lunar month." / "Unable to subtract a solar term."
std::string UnableText(bool forward, const char* unitName)
{
    return std::string("Unable to ") + (forward ? "add a" : "subtract a") + " " + unitName + ".";
}

// The London day of the moment in that calendar, and the moment itself.
struct LondonDay {
    LocalTime cjdl;
    WesternDate date;
};

MomentOutcome AtLondonTime(const WesternDate& date, LocalTime cjdl, WesternCalendar calendar)
{
    return Moved(CJDLToAJD(cjdl.OnDay(DateToJDN(date))), calendar == WesternCalendar::Julian ? kRowJC : kRowCE);
}

LondonDay LondonDayOf(Moment ajd, WesternCalendar calendar)
{
    const LocalTime cjdl = AJDToCJDL(ajd);
    return {cjdl, JDNToDate(cjdl.day(), calendar)};
}

// ---- Chinese units: the day at the reference meridian and its time of day.

struct ReferenceDay {
    LocalTime cjdc;
    std::optional<ChineseSolarDate> chs;
    std::optional<ChineseLunarDate> chl;
};

ReferenceDay ChineseDatesOf(Moment ajd, const CalendarSettings& s)
{
    ReferenceDay d{AJDToCJDC(ajd, s.meridian), {}, {}};
    if (const auto dates = CJDateToChDates(d.cjdc, s.epoch)) {
        d.chs = dates->solar;
        d.chl = dates->lunar;
    }
    return d;
}

// The day at the reference meridian, at the time of day of cjdc there.
Moment AtTimeOfDay(DayNumber day, LocalTime cjdc) { return CJDCToAJD(cjdc.OnDay(day)); }

} // namespace

MomentOutcome ShiftTime(Moment ajd, bool forward, double days)
{
    return Moved(ajd + (forward ? days : -days), std::nullopt);
}

MomentOutcome WesternMonthStep(Moment ajd, bool forward)
{
    LondonDay d = LondonDayOf(ajd, WesternCalendar::Gregorian);
    WesternDate& date = d.date;
    if (AtLimit(date.year, kMinYear, kMaxYear, forward)) return LimitReached(forward);
    StepWithCarry(date.month, date.year, kMonthsPerYear, forward);
    while (date.day > 1 && !date.ok()) --date.day;
    return AtLondonTime(date, d.cjdl, WesternCalendar::Gregorian);
}

MomentOutcome WesternYearsStep(Moment ajd, bool forward, int years, WesternCalendar calendar)
{
    LondonDay d = LondonDayOf(ajd, calendar);
    WesternDate& date = d.date;
    if (AtLimit(date.year, kMinYear, kMaxYear, forward)) return LimitReached(forward);
    date.year += forward ? years : -years;
    if (!date.ok()) --date.day; // 29 February
    return AtLondonTime(date, d.cjdl, calendar);
}

MomentOutcome LunarStep(Moment ajd, const MoveInputs& in, const CalendarSettings& s,
                        const ChineseRule<ChineseLunarDate>& rule)
{
    // The cycle unit ends the move at once on any failure, the others set the stop request.
    const AfterRefusal next = rule.cycle ? AfterRefusal::EndNow : AfterRefusal::StopRequest;
    ReferenceDay d = ChineseDatesOf(ajd, s);
    if (!d.chl)
        return Refused(rule.cycle ? kInvalidTitle : "", "Lunar date is invalid.", MessageIcon::None,
                       AfterRefusal::EndNow);
    if (AtLimit(d.chl->cycle, kMinCycle, kMaxCycle, in.forward)) return LimitReached(in.forward);

    ChineseLunarDate& date = *d.chl;
    if (!rule.move(date, in, s))
        return Refused(kInabilityTitle, UnableText(in.forward, rule.unitName), MessageIcon::Warning, next);
    const CHLDay day = ChLDateToJDN(date, s);
    if (!day.found())
        return Refused("", rule.cycle ? "Invalid lunar date results." : "Invalid lunar date results",
                       MessageIcon::None, next);
    return Moved(AtTimeOfDay(day.day, d.cjdc), kRowCHL);
}

MomentOutcome SolarStep(Moment ajd, const MoveInputs& in, const CalendarSettings& s,
                        const ChineseRule<ChineseSolarDate>& rule)
{
    const AfterRefusal next = rule.cycle ? AfterRefusal::EndNow : AfterRefusal::StopRequest;
    ReferenceDay d = ChineseDatesOf(ajd, s);
    if (!d.chs) return Refused("", "Solar date is invalid.", MessageIcon::None, AfterRefusal::EndNow);
    if (AtLimit(d.chs->cycle, kMinCycle, kMaxCycle, in.forward)) return LimitReached(in.forward);

    ChineseSolarDate& date = *d.chs;
    if (!rule.move(date, in, s))
        return Refused(kInabilityTitle, UnableText(in.forward, rule.unitName), MessageIcon::Warning, next);
    const std::optional<DayNumber> day = ChSDateToJDN(date, s);
    if (!day)
        return Refused("", rule.cycle ? "Invalid solar date results." : "Invalid solar date results",
                       MessageIcon::None, next);
    return Moved(AtTimeOfDay(*day, d.cjdc), kRowCHS);
}

MomentOutcome ArcStep(Moment ajd, bool forward, bool byYear, const CalendarSettings& s)
{
    const LocalTime cjdc = AJDToCJDC(ajd, s.meridian);
    ARCDate date = JDNToARC(cjdc.day());
    if (byYear) ARCMoveYear(date, forward);
    else ARCMoveMonth(date, forward);
    const std::optional<DayNumber> day = ARCToJDN(date);
    if (!day)
        return Refused("", "Invalid ARC date results.", MessageIcon::Warning, AfterRefusal::EndNow);
    return Moved(AtTimeOfDay(*day, cjdc), kRowARCCCT);
}

} // namespace orlun
