#include "calendar/navigation/MoveUnits.h"

#include <array>

#include "calendar/chinese/ChineseMoves.h"
#include "calendar/navigation/StepRules.h"

namespace orlun {

namespace {

constexpr double kMinuteDays = 1.0 / 1440;
constexpr double kHourDays = 1.0 / 24;
constexpr double kDayCycleDays = 60;
constexpr int kCenturyYears = 100;
constexpr int kJulianCycleYears = 80; // the Julian calendar repeats its weekdays and days

using Lunar = ChineseLunarDate;
using Solar = ChineseSolarDate;
using Inputs = MoveInputs;
using Settings = CalendarSettings;

constexpr ChineseRule<Lunar> kLunarMonth{"lunar month", false, [](Lunar& d, const Inputs& in, const Settings& s) {
    return CHLMoveMonth(d, in.forward, in.keep30, s);
}};
constexpr ChineseRule<Lunar> kLunarYear{"lunar year", false, [](Lunar& d, const Inputs& in, const Settings& s) {
    return CHLMoveYear(d, in.forward, in.keep30, in.keepLeap, s);
}};
constexpr ChineseRule<Lunar> kLunarCycle{"60-year cycle (CHL)", true, [](Lunar& d, const Inputs& in, const Settings& s) {
    return CHLMoveCycle(d, in.forward, in.keep30, in.keepLeap, s);
}};
constexpr ChineseRule<Solar> kSolarTerm{"solar term", false, [](Solar& d, const Inputs& in, const Settings& s) {
    return CHSMoveTerm(d, in.forward, false, s);
}};
constexpr ChineseRule<Solar> kSolarYear{"solar year", false, [](Solar& d, const Inputs& in, const Settings& s) {
    return CHSMoveYear(d, in.forward, s);
}};
constexpr ChineseRule<Solar> kSolarCycle{"60-year cycle (CHS)", true, [](Solar& d, const Inputs& in, const Settings& s) {
    return CHSMoveTerm(d, in.forward, true, s);
}};

MomentOutcome Minute(Moment ajd, const Inputs& in, const Settings&) { return ShiftTime(ajd, in.forward, kMinuteDays); }
MomentOutcome Hour(Moment ajd, const Inputs& in, const Settings&) { return ShiftTime(ajd, in.forward, kHourDays); }
MomentOutcome Day(Moment ajd, const Inputs& in, const Settings&) { return ShiftTime(ajd, in.forward, 1); }
MomentOutcome DayCycle(Moment ajd, const Inputs& in, const Settings&) { return ShiftTime(ajd, in.forward, kDayCycleDays); }
MomentOutcome CEMonth(Moment ajd, const Inputs& in, const Settings&) { return WesternMonthStep(ajd, in.forward); }
MomentOutcome CEYear(Moment ajd, const Inputs& in, const Settings&)
{
    return WesternYearsStep(ajd, in.forward, 1, WesternCalendar::Gregorian);
}
MomentOutcome CECentury(Moment ajd, const Inputs& in, const Settings&)
{
    return WesternYearsStep(ajd, in.forward, kCenturyYears, WesternCalendar::Gregorian);
}
MomentOutcome JCCycle(Moment ajd, const Inputs& in, const Settings&)
{
    return WesternYearsStep(ajd, in.forward, kJulianCycleYears, WesternCalendar::Julian);
}
MomentOutcome CHLMonth(Moment ajd, const Inputs& in, const Settings& s) { return LunarStep(ajd, in, s, kLunarMonth); }
MomentOutcome CHLYear(Moment ajd, const Inputs& in, const Settings& s) { return LunarStep(ajd, in, s, kLunarYear); }
MomentOutcome CHLCycle(Moment ajd, const Inputs& in, const Settings& s) { return LunarStep(ajd, in, s, kLunarCycle); }
MomentOutcome CHSTerm(Moment ajd, const Inputs& in, const Settings& s) { return SolarStep(ajd, in, s, kSolarTerm); }
MomentOutcome CHSYear(Moment ajd, const Inputs& in, const Settings& s) { return SolarStep(ajd, in, s, kSolarYear); }
MomentOutcome CHSCycle(Moment ajd, const Inputs& in, const Settings& s) { return SolarStep(ajd, in, s, kSolarCycle); }
MomentOutcome ARCMonth(Moment ajd, const Inputs& in, const Settings& s) { return ArcStep(ajd, in.forward, false, s); }
MomentOutcome ARCYear(Moment ajd, const Inputs& in, const Settings& s) { return ArcStep(ajd, in.forward, true, s); }

constexpr bool kZone = true;
constexpr bool kKeep = true;

// In list order.
constexpr std::array<MoveUnitRow, kMoveUnitCount> kRows = {{
    // unit, stored, list text, names zone, keep 30th, keep leap, step
    {MoveUnit::Minute, 0, "minute", false, false, false, Minute},
    {MoveUnit::Hour, 1, "hour", false, false, false, Hour},
    {MoveUnit::Day, 2, "day", false, false, false, Day},
    {MoveUnit::CEMonth, 3, "CE month", false, false, false, CEMonth},
    {MoveUnit::CEYear, 4, "CE year", false, false, false, CEYear},
    {MoveUnit::CECentury, 5, "CE century", false, false, false, CECentury},
    {MoveUnit::CHLMonth, 6, "CHL month", false, kKeep, false, CHLMonth},
    {MoveUnit::CHLYear, 7, "CHL year", false, kKeep, kKeep, CHLYear},
    {MoveUnit::CHLCycle, 8, "60-year cycle (CHL)", false, kKeep, kKeep, CHLCycle},
    {MoveUnit::CHSTerm, 9, "CHS solar term", false, false, false, CHSTerm},
    {MoveUnit::CHSYear, 10, "CHS year", false, false, false, CHSYear},
    {MoveUnit::CHSCycle, 11, "60-year cycle (CHS)", false, false, false, CHSCycle},
    {MoveUnit::DayCycle, 12, "60-day cycle", false, false, false, DayCycle},
    {MoveUnit::JCCycle, 13, "80-year cycle (JC)", false, false, false, JCCycle},
    {MoveUnit::ARCMonth, 14, "ARC month", kZone, false, false, ARCMonth},
    {MoveUnit::ARCYear, 15, "ARC year", kZone, false, false, ARCYear},
}};

// Row i is the unit numbered i, so the list index, the stored number and the row agree, and a
// unit without a row leaves a default row that fails here. That each row has its step is a test's
// check: a sanitizer build does not take a function's address as a constant.
constexpr bool RowsInListOrder()
{
    for (int i = 0; i < kMoveUnitCount; ++i) {
        const MoveUnitRow& row = kRows[i];
        if (row.stored != i || static_cast<int>(row.unit) != i || row.text.empty()) return false;
    }
    return true;
}
static_assert(RowsInListOrder(), "each move unit has one row, in the order of its number");

} // namespace

std::span<const MoveUnitRow> MoveUnitRows() { return kRows; }

const MoveUnitRow* FindMoveUnitRow(MoveUnit unit)
{
    for (const MoveUnitRow& row : kRows)
        if (row.unit == unit) return &row;
    return nullptr;
}

std::optional<MoveUnit> MoveUnitAt(int stored)
{
    for (const MoveUnitRow& row : kRows)
        if (row.stored == stored) return row.unit;
    return std::nullopt;
}

std::string MoveUnitText(MoveUnit unit, std::string_view zoneCode)
{
    const MoveUnitRow* row = FindMoveUnitRow(unit);
    if (!row) return "";
    std::string text(row->text);
    if (row->namesZone) text += " (" + std::string(zoneCode) + ")";
    return text;
}

std::optional<MoveUnit> MoveUnitFromText(std::string_view text, std::string_view zoneCode)
{
    for (const MoveUnitRow& row : kRows)
        if (MoveUnitText(row.unit, zoneCode) == text) return row.unit;
    return std::nullopt;
}

} // namespace orlun
