#include "calendar/arc/ArcCal.h"
#include "calendar/core/NumberText.h"

#include <limits>

#include "calendar/core/FloorDivision.h"
#include "calendar/western/DatePr2.h"

namespace orlun {

namespace {

constexpr const char* kMonthNames[13] = {"Apollo",  "Diana",    "Hermes",     "Aphrodite", "Ares",
                                         "Zeus",    "Chronos",  "Prometheus", "Orpheus",
                                         "Sophia",  "Dionysus", "Demeter",    "Persephone"};
constexpr const char* kMonthShortNames[13] = {"Apol", "Diana", "Herm", "Aphro", "Ares",
                                              "Zeus", "Chron", "Prom", "Orph",  "Soph",
                                              "Dion", "Demet", "Pers"};
// Day names follow the day of the month in a ten-day round: days 1, 11 and 21 are Sun Days.
constexpr const char* kDayNames[10] = {"Sun Day",     "Mercury Day", "Venus Day",  "Earth Day",
                                       "Mars Day",    "Jupiter Day", "Saturn Day", "Uranus Day",
                                       "Neptune Day", "Pluto Day"};
constexpr const char* kDayShortNames[10] = {"Sun",    "Merc", "Venus", "Earth", "Mars",
                                            "Jupit",  "Saturn", "Uran", "Nept", "Pluto"};

// The offsets that spread the long years and the extra days evenly over the cycle.
constexpr int64_t kSpread = 901;

// Place of a year in its cycle, 1..1803; year 443 is place 1.
int64_t PlaceInCycle(int32_t year)
{
    return FloorMod(static_cast<int64_t>(year) + 1360, kARCCycleYears) + 1;
}

// Whole cycles between the epoch cycle and the one holding the year.
int64_t CycleOfYear(int32_t year)
{
    return FloorDiv(static_cast<int64_t>(year) - kARCEpochYear, kARCCycleYears);
}

// Days from the start of the cycle to the start of the year in place p + 1 (p years before it).
// Place k is a long year exactly when floor((664k + 901) / 1803) steps up at k, because each step
// adds less than 1803; so the long years among places 1..p number floor((664p + 901) / 1803), and
// likewise for the extra days.
constexpr int64_t DaysBeforePlace(int64_t p)
{
    return 354 * p + 30 * ((kARCCycleLongYears * p + kSpread) / kARCCycleYears) +
           (kARCCycleExtraDays * p + kSpread) / kARCCycleYears;
}
static_assert(DaysBeforePlace(kARCCycleYears) == kARCCycleDays);

// The day number of a date whose month and day are already known to fit its year; 64-bit so that
// years far from the epoch cannot overflow.
int64_t DayCountOf(int32_t year, int32_t month, int32_t day)
{
    const int64_t cycle = CycleOfYear(year);
    const int64_t yearsBefore = static_cast<int64_t>(year) - kARCEpochYear - kARCCycleYears * cycle;
    int64_t n = kARCEpochJDN + kARCCycleDays * cycle + DaysBeforePlace(yearsBefore);
    for (int32_t m = 1; m < month; ++m)
        n += ARCMonthLength(year, m);
    return n + day - 1;
}

bool FitsDayNumber(int64_t n)
{
    return n >= std::numeric_limits<int32_t>::min() && n <= std::numeric_limits<int32_t>::max();
}

// Keeps day 30 only where the month has it; used after every move.
void ClipDay30(ARCDate& rec)
{
    if (rec.day == 30 && ARCMonthLength(rec.year, rec.month) == 29)
        rec.day = 29;
}

// The year one step away, or false when it would leave the 32-bit range.
bool StepYear(int32_t& year, bool forward)
{
    if (forward ? year == std::numeric_limits<int32_t>::max()
                : year == std::numeric_limits<int32_t>::min())
        return false;
    year += forward ? 1 : -1;
    return true;
}


// 1st, 2nd, 3rd, 4th, 11th ...; a negative number is written without a suffix.
std::string Ordinal(int32_t value)
{
    return value < 0 ? std::to_string(value) : DayOrdinal(value);
}

} // namespace

bool ARCIsThirteenMonthYear(int32_t year)
{
    return (PlaceInCycle(year) * kARCCycleLongYears + kSpread) % kARCCycleYears <
           kARCCycleLongYears;
}

bool ARCHasExtraDay(int32_t year)
{
    return (PlaceInCycle(year) * kARCCycleExtraDays + kSpread) % kARCCycleYears <
           kARCCycleExtraDays;
}

int ARCMonthLength(int32_t year, int32_t month)
{
    if (month < 1 || month > 13)
        return -1;
    if (month == 13 && !ARCIsThirteenMonthYear(year))
        return -2;
    if (month % 2 == 1)
        return 30;
    return (month == 10 && ARCHasExtraDay(year)) ? 30 : 29;
}

int ARCYearLength(int32_t year)
{
    return 354 + (ARCIsThirteenMonthYear(year) ? 30 : 0) + (ARCHasExtraDay(year) ? 1 : 0);
}

bool ARCIsValid(int32_t year, int32_t month, int32_t day)
{
    const int length = ARCMonthLength(year, month);
    if (length < 0 || day < 1 || day > length)
        return false;
    // A date beyond the 32-bit day numbers has no day number to stand for.
    return FitsDayNumber(DayCountOf(year, month, day));
}

std::optional<DayNumber> ARCToJDN(const ARCDate& date)
{
    if (!ARCIsValid(date.year, date.month, date.day))
        return std::nullopt;
    return DayNumber(static_cast<int32_t>(DayCountOf(date.year, date.month, date.day)));
}

ARCDate JDNToARC(DayNumber day)
{
    const int64_t fromEpoch = static_cast<int64_t>(day.value()) - kARCEpochJDN;
    const int64_t cycle = FloorDiv(fromEpoch, kARCCycleDays);
    const int64_t n = fromEpoch - cycle * kARCCycleDays; // 0 .. 658531

    // Start from the mean-year estimate; it is off by at most a year or so either way.
    int64_t p = n * kARCCycleYears / kARCCycleDays;
    while (p + 1 < kARCCycleYears && DaysBeforePlace(p + 1) <= n)
        ++p;
    while (p > 0 && DaysBeforePlace(p) > n)
        --p;

    const int32_t year = static_cast<int32_t>(kARCEpochYear + p + kARCCycleYears * cycle);
    int32_t dayOfYear = static_cast<int32_t>(n - DaysBeforePlace(p));
    int32_t month = 1;
    for (int length = ARCMonthLength(year, month); month < 13 && dayOfYear >= length;
         length = ARCMonthLength(year, month)) {
        dayOfYear -= length;
        ++month;
    }
    return {year, month, dayOfYear + 1};
}

void ARCMoveMonth(ARCDate& rec, bool forward)
{
    if (forward) {
        const bool lastMonth =
            rec.month == 13 || (rec.month == 12 && !ARCIsThirteenMonthYear(rec.year));
        if (!lastMonth)
            ++rec.month;
        else if (StepYear(rec.year, true))
            rec.month = 1;
    } else if (rec.month == 1) {
        if (StepYear(rec.year, false))
            rec.month = ARCIsThirteenMonthYear(rec.year) ? 13 : 12;
    } else {
        --rec.month;
    }
    ClipDay30(rec);
}

void ARCMoveYear(ARCDate& rec, bool forward)
{
    if (StepYear(rec.year, forward) && rec.month == 13 && !ARCIsThirteenMonthYear(rec.year))
        rec.month = 12;
    ClipDay30(rec);
}

std::string ARCDateStr(const ARCDate& rec, ARCTextForm form)
{
    const std::string numeric =
        std::to_string(rec.year) + "-" + TwoDigits(rec.month) + "-" + TwoDigits(rec.day);
    const std::string monthDayYear = ARCMonthName(rec.month) + PlainNumber(rec.day) + ", " +
                                     PlainNumber(rec.year);
    switch (form) {
    case ARCTextForm::Short:
        return numeric + " ARC";
    case ARCTextForm::ShortWithNames:
        return numeric + " ARC (" + ARCDayName(rec.day) + ", " + monthDayYear + ")";
    case ARCTextForm::MonthDayYear:
        return monthDayYear;
    case ARCTextForm::Long:
        return "The " + Ordinal(rec.day) + " day of " + ARCMonthName(rec.month) + " in the year" +
               PlainNumber(rec.year);
    case ARCTextForm::DayMonthDayYear:
        return ARCDayName(rec.day) + ", " + monthDayYear;
    default:
        return "";
    }
}

std::string ARCMonthName(int32_t month)
{
    return (month >= 1 && month <= 13) ? kMonthNames[month - 1] : "";
}

std::string ARCMonthShortName(int32_t month)
{
    return (month >= 1 && month <= 13) ? kMonthShortNames[month - 1] : "";
}

std::string ARCDayName(int32_t day)
{
    return (day >= 1 && day <= 30) ? kDayNames[(day - 1) % 10] : "";
}

std::string ARCDayShortName(int32_t day)
{
    return (day >= 1 && day <= 30) ? kDayShortNames[(day - 1) % 10] : "";
}

std::string PadLeft(const std::string& text, int width, char fill)
{
    if (width < 0 || text.size() >= static_cast<std::size_t>(width))
        return text;
    return std::string(static_cast<std::size_t>(width) - text.size(), fill) + text;
}

} // namespace orlun
