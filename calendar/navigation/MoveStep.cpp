#include "calendar/navigation/MoveStep.h"

#include <cmath>
#include <optional>

#include "calendar/arc/ArcCal.h"
#include "calendar/chinese/ChineseMoves.h"
#include "calendar/chinese/Orlun3.h"
#include "calendar/core/Limits.h"
#include "calendar/core/TimeScales.h"
#include "calendar/western/DatePr2.h"

namespace orlun {

namespace {

constexpr int kMinCycle = 0;
constexpr int kMaxCycle = 96;
constexpr int kMonthsPerYear = 12;

MoveStepResult Moved(double ajd, int calendar) { return {true, ajd, calendar, {}}; }

MoveStepResult Refused(std::string title, std::string text, MessageIcon icon, RefusalEffect effect)
{
    MoveStepResult r;
    r.refusal = {std::move(title), std::move(text), icon, effect};
    return r;
}

// Going back from the lower limit or forward from the upper one.
bool AtLimit(int value, int lower, int upper, bool forward)
{
    return forward ? value >= upper : value <= lower;
}

MoveStepResult LimitReached(bool forward)
{
    return Refused(kOutOfRangeTitle,
                   forward ? "Latest admissible date reached." : "Earliest admissible date reached.",
                   MessageIcon::None, RefusalEffect::EndNow);
}

// "Unable to add a lunar month." / "Unable to subtract a solar term."
std::string UnableText(bool forward, const char* unitName)
{
    return std::string("Unable to ") + (forward ? "add a" : "subtract a") + " " + unitName + ".";
}

// ---- Western units: the London day D and its time of day f.

MoveStepResult WesternStep(double ajd, MoveUnit unit, bool forward)
{
    const double cjdl = AJDToCJDL(ajd);
    const bool julian = unit == MoveUnit::JCCycle;
    WesternDate date = JDNToDate(DayNumber(DayNumberOf(cjdl)), julian ? WesternCalendar::Julian : WesternCalendar::Gregorian);
    if (AtLimit(date.year, kMinYear, kMaxYear, forward)) return LimitReached(forward);

    const int sign = forward ? 1 : -1;
    if (unit == MoveUnit::CEMonth) {
        date.month += sign;
        if (date.month > kMonthsPerYear) {
            date.month = 1;
            ++date.year;
        } else if (date.month < 1) {
            date.month = kMonthsPerYear;
            --date.year;
        }
        while (date.day > 1 && !date.ok()) --date.day;
    } else {
        const int years = unit == MoveUnit::CEYear ? 1 : unit == MoveUnit::CECentury ? 100 : 80;
        date.year += sign * years;
        if (!date.ok()) --date.day; // 29 February
    }
    const int32_t day = DateToJDN(date).value();
    return Moved(CJDLToAJD(day + FractionOf(cjdl)), julian ? kRowJC : kRowCE);
}

// ---- Chinese units: the day at the reference meridian and its time of day.

struct ReferenceDay {
    double cjdc;
    std::optional<ChineseSolarDate> chs;
    std::optional<ChineseLunarDate> chl;
};

ReferenceDay ChineseDatesOf(double ajd, const CalendarSettings& s)
{
    ReferenceDay d{AJDToCJDC(ajd, s.refLongitude), {}, {}};
    if (const auto dates = CJDateToChDates(Meridian(s.refLongitude).At(d.cjdc), s.epoch)) {
        d.chs = dates->solar;
        d.chl = dates->lunar;
    }
    return d;
}

double AtTimeOfDay(int32_t day, double cjdc, const CalendarSettings& s)
{
    return CJDCToAJD(day + FractionOf(cjdc), s.refLongitude);
}

MoveStepResult LunarStep(double ajd, const MoveInputs& in, const CalendarSettings& s)
{
    const bool cycleUnit = in.unit == MoveUnit::CHLCycle;
    // The cycle unit ends the move at once on any failure, the others set the stop request.
    const RefusalEffect effect = cycleUnit ? RefusalEffect::EndNow : RefusalEffect::StopRequest;
    ReferenceDay d = ChineseDatesOf(ajd, s);
    if (!d.chl)
        return Refused(cycleUnit ? kInvalidTitle : "", "Lunar date is invalid.", MessageIcon::None,
                       RefusalEffect::EndNow);
    if (AtLimit(d.chl->cycle, kMinCycle, kMaxCycle, in.forward)) return LimitReached(in.forward);

    ChineseLunarDate& date = *d.chl;
    bool ok = false;
    const char* unitName = "lunar month";
    switch (in.unit) {
    case MoveUnit::CHLMonth: ok = CHLMoveMonth(date, in.forward, in.keep30, s); break;
    case MoveUnit::CHLYear:
        unitName = "lunar year";
        ok = CHLMoveYear(date, in.forward, in.keep30, in.keepLeap, s);
        break;
    default:
        unitName = "60-year cycle (CHL)";
        ok = CHLMoveCycle(date, in.forward, in.keep30, in.keepLeap, s);
        break;
    }
    if (!ok)
        return Refused(kInabilityTitle, UnableText(in.forward, unitName), MessageIcon::Warning,
                       effect);
    const CHLDay day = ChLDateToJDN(date, s);
    if (!day.found())
        return Refused("", cycleUnit ? "Invalid lunar date results." : "Invalid lunar date results",
                       MessageIcon::None, effect);
    return Moved(AtTimeOfDay(day.day.value(), d.cjdc, s), kRowCHL);
}

MoveStepResult SolarStep(double ajd, const MoveInputs& in, const CalendarSettings& s)
{
    const bool cycleUnit = in.unit == MoveUnit::CHSCycle;
    const RefusalEffect effect = cycleUnit ? RefusalEffect::EndNow : RefusalEffect::StopRequest;
    ReferenceDay d = ChineseDatesOf(ajd, s);
    if (!d.chs)
        return Refused("", "Solar date is invalid.", MessageIcon::None, RefusalEffect::EndNow);
    if (AtLimit(d.chs->cycle, kMinCycle, kMaxCycle, in.forward)) return LimitReached(in.forward);

    ChineseSolarDate& date = *d.chs;
    bool ok = false;
    const char* unitName = "solar term";
    switch (in.unit) {
    case MoveUnit::CHSTerm: ok = CHSMoveTerm(date, in.forward, false, s); break;
    case MoveUnit::CHSYear:
        unitName = "solar year";
        ok = CHSMoveYear(date, in.forward, s);
        break;
    default:
        unitName = "60-year cycle (CHS)";
        ok = CHSMoveTerm(date, in.forward, true, s);
        break;
    }
    if (!ok)
        return Refused(kInabilityTitle, UnableText(in.forward, unitName), MessageIcon::Warning,
                       effect);
    const std::optional<DayNumber> day = ChSDateToJDN(date, s);
    if (!day)
        return Refused("", cycleUnit ? "Invalid solar date results." : "Invalid solar date results",
                       MessageIcon::None, effect);
    return Moved(AtTimeOfDay(day->value(), d.cjdc, s), kRowCHS);
}

MoveStepResult ArcStep(double ajd, const MoveInputs& in, const CalendarSettings& s)
{
    const double cjdc = AJDToCJDC(ajd, s.refLongitude);
    ARCDate date = JDNToARC(DayNumber(DayNumberOf(cjdc)));
    if (in.unit == MoveUnit::ARCMonth) ARCMoveMonth(date, in.forward);
    else ARCMoveYear(date, in.forward);
    const std::optional<DayNumber> day = ARCToJDN(date);
    if (!day)
        return Refused("", "Invalid ARC date results.", MessageIcon::Warning, RefusalEffect::EndNow);
    return Moved(AtTimeOfDay(day->value(), cjdc, s), kRowARCCCT);
}

MoveStepResult TimeStep(double ajd, MoveUnit unit, bool forward)
{
    double days = 1;
    switch (unit) {
    case MoveUnit::Minute: days = 1.0 / 1440; break;
    case MoveUnit::Hour: days = 1.0 / 24; break;
    case MoveUnit::DayCycle: days = 60; break;
    default: break;
    }
    return Moved(ajd + (forward ? days : -days), -1);
}

} // namespace

MoveStepResult MoveStep(double ajd, const MoveInputs& in, const CalendarSettings& settings)
{
    // Day numbers are 32-bit: a moment beyond them has no date to move from.
    constexpr double kLargestDayCount = 2.0e9;
    if (!std::isfinite(ajd) || std::abs(ajd) > kLargestDayCount)
        return Refused("", "No moment to move from.", MessageIcon::Warning, RefusalEffect::EndNow);
    switch (in.unit) {
    case MoveUnit::Minute:
    case MoveUnit::Hour:
    case MoveUnit::Day:
    case MoveUnit::DayCycle: return TimeStep(ajd, in.unit, in.forward);
    case MoveUnit::CEMonth:
    case MoveUnit::CEYear:
    case MoveUnit::CECentury:
    case MoveUnit::JCCycle: return WesternStep(ajd, in.unit, in.forward);
    case MoveUnit::CHLMonth:
    case MoveUnit::CHLYear:
    case MoveUnit::CHLCycle: return LunarStep(ajd, in, settings);
    case MoveUnit::CHSTerm:
    case MoveUnit::CHSYear:
    case MoveUnit::CHSCycle: return SolarStep(ajd, in, settings);
    case MoveUnit::ARCMonth:
    case MoveUnit::ARCYear: return ArcStep(ajd, in, settings);
    }
    return Refused("", "Unknown move step.", MessageIcon::Warning, RefusalEffect::EndNow);
}

} // namespace orlun
